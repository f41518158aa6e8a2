#pragma once

#include <QFont>
#include <QImage>
#include <QWidget>

#include <array>
#include <climits>
#include <cstdint>
#include <optional>

#include "skin/ControlReports.h"

// What the two sliders share: the mouse states, the value text and the report to the owner.
// State 3 is the disabled look; a slider in it ignores the mouse.
class CSknSliderBase : public QWidget {
    Q_OBJECT
  public:
    CSknSliderBase(int controlId, QWidget* parent);
    void SetReport(ReportFn report) { report_ = std::move(report); }
    int controlId() const { return controlId_; }

    int showValue = 0;
    QFont font;
    std::uint32_t textColor = 0xFFFFFFFF;
    int pressed = 0;
    int tracking = 0;
    int state = 0;
    int savedState = 0;
    int rangeMin = 0;
    int rangeMax = 100;
    int step = 1;

  protected:
    // The pointer at x, for a thumb of width w: rounded half up, clamped, snapped to the step.
    int PointerToValue(int x, int thumbWidth) const;
    int ThumbCentre(int position, int thumbWidth) const;
    virtual void ApplyPointer(int x) = 0;
    virtual void PickThumb(QPoint) {}
    virtual void DropThumb() {}
    void Report(int value) const;

    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    void Leave();
    int controlId_;
    ReportFn report_;
};

// A horizontal slider with one thumb.
class CSknSliderCtrl : public CSknSliderBase {
    Q_OBJECT
  public:
    using CSknSliderBase::CSknSliderBase;
    void SetImages(std::optional<QImage> background, std::optional<QImage> thumb,
                   std::optional<QImage> thumbHot, std::optional<QImage> thumbDisabled);
    // Reports the value unless it is the one reported last; no clamping, no snapping.
    void SetPosition(int value);

    int position = 0;
    int lastReported = INT_MIN;

  protected:
    void ApplyPointer(int x) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    std::optional<QImage> background_, thumb_, thumbHot_, thumbDisabled_;
};

// One track with three independent thumbs; a thumb reports thumb × 65536 + value.
class CSknSliderCtrl3D : public CSknSliderBase {
    Q_OBJECT
  public:
    using CSknSliderBase::CSknSliderBase;
    void SetImages(std::optional<QImage> background, std::array<QImage, 3> thumbs);
    // Thumb k is 1 … 3.
    void SetThumbPosition(int k, int value, bool report);
    QRect ThumbRect(int k) const;

    std::array<int, 3> positions{};
    std::array<int, 3> lastReported{INT_MIN, INT_MIN, INT_MIN};
    int activeThumb = 0;

  protected:
    void ApplyPointer(int x) override;
    void PickThumb(QPoint at) override;
    void DropThumb() override { activeThumb = 0; }
    void paintEvent(QPaintEvent* event) override;

  private:
    std::optional<QImage> background_;
    std::array<QImage, 3> thumbs_;
};

// A scroll bar with two end buttons and a thumb; vertical unless wider than high.
class CSknScrollCtrl : public QWidget {
    Q_OBJECT
  public:
    CSknScrollCtrl(int controlId, QWidget* parent);
    void SetReport(ReportFn report) { report_ = std::move(report); }
    // Background, thumb, thumb pressed, start button, start pressed, end button, end pressed.
    void SetImagesAndLayout(std::array<QImage, 7> images);
    void SetPosition(int value);

    int pressed = 0;
    int tracking = 0;
    int state = 0;
    QRect startButtonRect, endButtonRect, trackRect, thumbRect;
    int rangeMin = 0;
    int rangeMax = 100;
    int position = 0;
    int vertical = 0;
    int pressedPart = 0;  // 1 start button, 2 thumb, 3 end button

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    void MoveThumb(int value);
    void PointerToPosition(QPoint at);
    void Report(int value) const;

    int controlId_;
    ReportFn report_;
    std::array<QImage, 7> images_;
    std::optional<int> lastDragReport_;  // per bar; the first drag step reports
};

// A bar filled in proportion to its value, from the left or from the bottom. It never reports.
class CSknProgressCtrl : public QWidget {
    Q_OBJECT
  public:
    using QWidget::QWidget;
    std::optional<QImage> background;
    std::optional<QImage> barImage;
    int rangeMin = 0;
    int rangeMax = 100;
    int position = 0;
    int vertical = 0;

  protected:
    void paintEvent(QPaintEvent* event) override;
};
