#include "skin/SknMouseStatic.h"

#include <QPainter>
#include <QTimer>

#include "skin/ControlReports.h"
#include "skin/ScreenTables.h"

CSknMouseStatic::CSknMouseStatic(QWidget* parent)
    : QWidget(parent), effectTimer_(new QTimer(this)), shiftTimer_(new QTimer(this)) {
    zoneColors.fill(0x00A1FF22);
    savedColors = zoneColors;
    const auto zones = MouseZoneRects();
    for (std::size_t i = 0; i < zoneRects.size(); ++i) {
        zoneRects[i] = QRect(zones[i].x, zones[i].y, zones[i].width, zones[i].height);
    }
    connect(effectTimer_, &QTimer::timeout, this, &CSknMouseStatic::EffectTick);
    connect(shiftTimer_, &QTimer::timeout, this, &CSknMouseStatic::ShiftTick);
}

void CSknMouseStatic::SetOverlay(QImage overlay) {
    overlay_ = std::move(overlay);
    update();
}

void CSknMouseStatic::SetAlpha(int alpha) {
    for (std::uint32_t& color : zoneColors) {
        color = (color & 0x00FFFFFF) | (std::uint32_t(alpha & 0xFF) << 24);
    }
    update();
}

void CSknMouseStatic::SetEffect(int newEffect) {
    effectTimer_->stop();
    effect = newEffect;
    if (effect == 0) {
        SetAlpha(255);
    } else if (effect == 1) {
        effectTimer_->start(1000);
    } else if (effect == 2 || effect == 3) {
        effectTimer_->start(100);
    }
}

void CSknMouseStatic::SetColorShift(bool on) {
    colorShift = on ? 1 : 0;
    if (on) {
        shiftTimer_->start(100);
    } else {
        shiftTimer_->stop();
    }
}

void CSknMouseStatic::EffectTick() {
    if (effect == 0) {
        effectTimer_->stop();
        return;
    }
    if (!isVisible()) {
        return;
    }
    int alpha = 255;
    switch (effect) {
        case 1:
            alpha = effectCounter % 2 ? 255 : 0;
            ++effectCounter;
            break;
        case 2:
            // Two short dark beats every second and a half.
            ++effectCounter;
            alpha = effectCounter % 15 == 0 || effectCounter % 15 == 3 ? 0 : 255;
            break;
        case 3:
            effectCounter += breathingUp ? 10 : -10;
            if (effectCounter >= 255) {
                effectCounter = 255;
                breathingUp = false;
            } else if (effectCounter <= 0) {
                effectCounter = 0;
                breathingUp = true;
            }
            alpha = effectCounter;
            break;
        default:
            return;
    }
    SetAlpha(alpha);
}

void CSknMouseStatic::ShiftTick() {
    static constexpr int kSteps[] = {15, 10, 5};
    for (std::size_t c = 0; c < 3; ++c) {
        if (channels[c] >= 255) {
            rising[c] = false;
        } else if (channels[c] <= 0) {
            rising[c] = true;
        }
        channels[c] = std::clamp(channels[c] + (rising[c] ? kSteps[c] : -kSteps[c]), 0, 255);
    }
    const std::uint32_t alpha = zoneColors[0] & 0xFF000000;
    for (std::uint32_t& color : zoneColors) {
        color = alpha | (std::uint32_t(channels[0]) << 16) | (std::uint32_t(channels[1]) << 8) |
                std::uint32_t(channels[2]);
    }
    update();
}

void CSknMouseStatic::paintEvent(QPaintEvent*) {
    QImage buffer(size(), QImage::Format_ARGB32_Premultiplied);
    buffer.fill(Qt::black);
    QPainter painter(&buffer);
    for (std::size_t i = 0; i < zoneRects.size(); ++i) {
        if (zoneLit[i]) {
            painter.fillRect(zoneRects[i], FromArgb(zoneColors[i]));  // alpha blends with black
        }
    }
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(rect(), overlay_);
    painter.end();
    QPainter(this).drawImage(0, 0, buffer);
}
