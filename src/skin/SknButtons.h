#pragma once

#include <QAbstractButton>
#include <QFont>
#include <QImage>
#include <QString>

#include <array>
#include <cstdint>
#include <memory>
#include <optional>

#include "skin/ControlReports.h"

class CColorPanel;
class CSknMenu;
class QTimer;

// What the four skinned button classes share: four looks, hover tracking and the state that
// picks the look. Images may be absent; an absent image is simply not drawn.
class CSknButtonBase : public QAbstractButton {
    Q_OBJECT
  public:
    enum Look { Normal, Over, Down, Disabled };
    CSknButtonBase(int controlId, QWidget* parent);

    void SetImages(std::optional<QImage> normal, std::optional<QImage> over,
                   std::optional<QImage> down, std::optional<QImage> disabled);
    void SetReport(ReportFn report) { report_ = std::move(report); }
    int controlId() const { return controlId_; }

    int pressed = 0;
    int tracking = 0;
    int state = 0;  // 0 normal, 1 mouse over, 2 pressed
    int latched = 0;

    // The look painting takes now, or nothing.
    const QImage* ChosenImage() const;

  protected:
    virtual bool LatchedLook() const { return latched != 0; }
    virtual void PaintText(QPainter&) {}
    virtual void OnHover() {}
    void Report(int code, int value) const;

    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

    std::array<std::optional<QImage>, 4> images_;

  private:
    int controlId_;
    ReportFn report_;
};

// A push button with a text and a latched look for the selected one of a group.
class CSknButton : public CSknButtonBase {
    Q_OBJECT
  public:
    CSknButton(int controlId, QWidget* parent);
    void SetText(const QString& text);
    QString skinText() const { return text_; }
    QColor CurrentTextColor() const;

    QFont font;
    std::uint32_t textColor = 0xFFD2D2D2;
    std::uint32_t latchedTextColor = 0xFFB3D335;

  protected:
    void PaintText(QPainter& painter) override;
    void OnHover() override { Report(controlId(), 0); }

  private:
    QString text_;
};

// An image-only toggle: a release that follows a press on it flips `checked`.
class CSknCheckBox : public CSknButtonBase {
    Q_OBJECT
  public:
    using CSknButtonBase::CSknButtonBase;
    int checked = 0;

  protected:
    bool LatchedLook() const override { return checked != 0; }
    void OnHover() override { Report(controlId(), 0); }
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// A button with a text that drops down a CSknMenu and takes the chosen entry as its value.
// The owner sees the choice first and may refuse it by clearing `accept`.
class CSknComboButton : public CSknButtonBase {
    Q_OBJECT
  public:
    CSknComboButton(int controlId, QWidget* parent, TickClock& clock = SystemTickClock());
    ~CSknComboButton() override;

    void SetImages(std::optional<QImage> normal, std::optional<QImage> over,
                   std::optional<QImage> down) {
        CSknButtonBase::SetImages(std::move(normal), std::move(over), std::move(down), {});
    }
    void SetValue(const QString& text, int code, int param);
    QString TextOfEntry(int id) const;
    void AddEntry(int id, const QString& text);
    void AddSubEntry(int newId, int parentId, const QString& text);
    void CreateWideMenu();
    void UseSmallFont();
    CSknMenu* menu() const { return menu_.get(); }
    // The menu's report: a choice, or its NM_FORWARD passed on.
    void MenuReport(int code, int value);
    // Timer 1: notes when the menu was last seen open.
    void SeenTick();

    QString text;
    int code = -1;
    int param = -1;
    QFont font;
    std::uint32_t textColor = 0xFFFFFFFF;
    std::uint32_t hotTextColor = 0xFFB3D335;
    int showText = 1;
    int accept = 1;
    int popupAbove = 0;
    int reopenBlocked = 0;
    std::uint32_t menuSeenTick = 0;

  protected:
    void PaintText(QPainter& painter) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void EnsureMenu(int width);

    TickClock& clock_;
    std::unique_ptr<CSknMenu> menu_;
    QTimer* seenTimer_ = nullptr;
};

// A button that drops down the colour panel and reports the colour picked there.
class CSknCbnColorButton : public CSknButtonBase {
    Q_OBJECT
  public:
    CSknCbnColorButton(int controlId, QWidget* parent, TickClock& clock = SystemTickClock());
    ~CSknCbnColorButton() override;

    void SetImagesAndPanel(std::optional<QImage> normal, std::optional<QImage> over,
                           std::optional<QImage> down, const QImage& panelImage);
    CColorPanel* panel() const { return panel_.get(); }
    // The panel's report of a pick.
    void PanelReport(int panelId, std::uint32_t colorRef);

    std::uint32_t color = 0;  // colour reference of the last pick

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    TickClock& clock_;
    std::unique_ptr<CColorPanel> panel_;
};
