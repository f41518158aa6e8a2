#pragma once

#include <QImage>
#include <QRect>
#include <QWidget>

#include <array>
#include <cstdint>

class QTimer;

// The lighting page's live picture of the mouse: the four LED zones in their colours under the
// "Mouse.png" overlay, with the light effects and the colour shift animated.
class CSknMouseStatic : public QWidget {
    Q_OBJECT
  public:
    explicit CSknMouseStatic(QWidget* parent);

    void SetOverlay(QImage overlay);
    void SetAlpha(int alpha);
    // 0 steady, 1 blinking (1 s), 2 pulsating and 3 breathing (100 ms).
    void SetEffect(int effect);
    // The owner starts and stops the colour shift (100 ms).
    void SetColorShift(bool on);

    // The two timers' ticks; public so that tests step them.
    void EffectTick();
    void ShiftTick();

    std::array<std::uint32_t, 4> zoneColors;  // 0xAARRGGBB
    std::array<std::uint32_t, 4> savedColors;
    std::array<QRect, 4> zoneRects;
    std::array<int, 4> zoneLit{1, 1, 1, 1};
    int effect = 0;
    int colorShift = 0;

    // The animation's values: one picture exists, so they are the picture's.
    int effectCounter = 200;
    bool breathingUp = true;
    std::array<int, 3> channels{255, 125, 0};  // red, green, blue
    std::array<bool, 3> rising{false, true, true};

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QImage overlay_;
    QTimer* effectTimer_;
    QTimer* shiftTimer_;
};
