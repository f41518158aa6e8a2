#pragma once

#include <QFont>
#include <QImage>
#include <QLineEdit>
#include <QWidget>

#include <cstdint>
#include <optional>
#include <vector>

#include "skin/ControlReports.h"

// A label that shows a background, one picture out of a list and one text out of a list.
class CSknStatic : public QWidget {
    Q_OBJECT
  public:
    CSknStatic(int controlId, QWidget* parent);
    void SetReport(ReportFn report) { report_ = std::move(report); }
    void SetBackground(std::optional<QImage> background);
    void AddImage(QImage image) { images.push_back(std::move(image)); }
    void SetFontHeight(int pixels);
    void SetText(const QString& text);
    QString CurrentText() const;

    std::vector<QImage> images;
    std::vector<QString> texts;
    int imageIndex = 0;
    int textIndex = 0;
    std::uint32_t textColor = 0xFFFFFFFF;
    std::uint32_t fillColor = 0;  // fully transparent
    QFont font;
    int centerText = 0;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    int controlId_;
    ReportFn report_;
    std::optional<QImage> background_;
};

// An edit box drawn on a skin background; every change of its text reports 102.
class CSknEdit : public QLineEdit {
    Q_OBJECT
  public:
    static constexpr int kChanged = 102;
    CSknEdit(int controlId, QWidget* parent);
    void SetReport(ReportFn report) { report_ = std::move(report); }
    void SetFontHeight(int pixels);

    std::uint32_t textColor = 0x00FFFFFF;  // colour reference
    std::optional<QImage> background;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    int controlId_;
    ReportFn report_;
};
