#include "skin/SknSliders.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>

#include <cmath>

#include "skin/LabelText.h"

namespace {

// Ratios in single precision, to pixels by truncation: as the controls have always drawn.
float Ratio(int value, int low, int high) {
    return float(value - low) / float(high - low);
}

int RoundHalfUp(float f) {
    const int n = static_cast<int>(f);
    return f - float(n) >= 0.5f ? n + 1 : n;
}

void DrawStretched(QPainter& painter, const QRect& rect, const std::optional<QImage>& image) {
    if (image) {
        painter.drawImage(rect, *image);
    }
}

}  // namespace

CSknSliderBase::CSknSliderBase(int controlId, QWidget* parent)
    : QWidget(parent), controlId_(controlId) {
    font.setFamily("Arial");
    font.setPixelSize(13);
    setMouseTracking(true);
}

int CSknSliderBase::ThumbCentre(int position, int w) const {
    const float r = Ratio(position, rangeMin, rangeMax);
    return static_cast<int>(float(width() - w) * r) + w / 2;
}

int CSknSliderBase::PointerToValue(int x, int w) const {
    const int v = x - w / 2;
    const float f = float(v) * float(rangeMax - rangeMin) / float(width() - w) + float(rangeMin);
    int n = std::clamp(RoundHalfUp(f), rangeMin, rangeMax);
    if (step > 1) {
        const int q = n % step;
        n = q > step / 2 ? n - q + step : n - q;
    }
    return n;
}

void CSknSliderBase::Report(int value) const {
    if (report_) {
        report_(controlId_, value);
    }
}

void CSknSliderBase::mousePressEvent(QMouseEvent* event) {
    QWidget::mousePressEvent(event);
    if (state == 3) {
        return;
    }
    state = savedState = 2;
    pressed = 1;
    PickThumb(event->position().toPoint());
    ApplyPointer(event->position().toPoint().x());
    update();
}

void CSknSliderBase::mouseMoveEvent(QMouseEvent* event) {
    QWidget::mouseMoveEvent(event);
    if (state == 3) {
        return;
    }
    const QPoint at = event->position().toPoint();
    const bool inside = rect().contains(at);
    if (state == 2 && inside) {
        ApplyPointer(at.x());
        update();
    }
    const bool leftDown = event->buttons() & Qt::LeftButton;
    if (!tracking && inside) {
        // Back over the control: a drag that left it goes on while the button is held.
        tracking = 1;
        pressed = leftDown ? 1 : 0;
        state = leftDown ? savedState : 1;
        update();
    } else if (tracking && !inside) {
        Leave();
    }
}

void CSknSliderBase::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    if (state != 3 && tracking) {
        Leave();
    }
}

void CSknSliderBase::Leave() {
    savedState = state;
    pressed = 0;
    state = 0;
    tracking = 0;
    update();
}

void CSknSliderBase::mouseReleaseEvent(QMouseEvent* event) {
    QWidget::mouseReleaseEvent(event);
    if (state == 3) {
        return;
    }
    ApplyPointer(event->position().toPoint().x());
    DropThumb();
    pressed = 0;
    state = 0;
    savedState = 0;
    update();
}

void CSknSliderCtrl::SetImages(std::optional<QImage> background, std::optional<QImage> thumb,
                               std::optional<QImage> thumbHot,
                               std::optional<QImage> thumbDisabled) {
    background_ = std::move(background);
    thumb_ = std::move(thumb);
    thumbHot_ = std::move(thumbHot);
    thumbDisabled_ = std::move(thumbDisabled);
    update();
}

void CSknSliderCtrl::SetPosition(int value) {
    if (value == lastReported) {
        return;
    }
    position = lastReported = value;
    repaint();
    Report(value);
}

void CSknSliderCtrl::ApplyPointer(int x) {
    const int n = PointerToValue(x, thumb_ ? thumb_->width() : 0);
    position = n;
    if (n != lastReported) {
        lastReported = n;
        Report(n);
    }
}

void CSknSliderCtrl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    DrawStretched(painter, rect(), background_);
    const int w = thumb_ ? thumb_->width() : 0;
    const int h = thumb_ ? thumb_->height() : 0;
    const int centre = ThumbCentre(position, w);
    const std::optional<QImage>& thumb =
        state == 3 ? thumbDisabled_ : (state == 0 ? thumb_ : thumbHot_);
    DrawStretched(painter, QRect(centre - w / 2, 0, w, h), thumb);
    if (showValue) {
        DrawLabelText(painter, &font, QString::number(position), FromArgb(textColor), true, false,
                      std::max(0, centre - w), h, std::min(width(), centre + w), h + 20);
    }
}

void CSknSliderCtrl3D::SetImages(std::optional<QImage> background, std::array<QImage, 3> thumbs) {
    background_ = std::move(background);
    thumbs_ = std::move(thumbs);
    update();
}

void CSknSliderCtrl3D::SetThumbPosition(int k, int value, bool report) {
    value = std::clamp(value, rangeMin, rangeMax);
    const auto i = std::size_t(k - 1);
    if (value == lastReported[i]) {
        return;
    }
    positions[i] = lastReported[i] = value;
    repaint();
    if (report) {
        Report(value + k * 65536);
    }
}

QRect CSknSliderCtrl3D::ThumbRect(int k) const {
    const QImage& thumb = thumbs_[std::size_t(k - 1)];
    const int centre = ThumbCentre(positions[std::size_t(k - 1)], thumbs_[0].width());
    const int reference = thumbs_[2].height();
    QRect r(centre - thumb.width() / 2, (reference - thumb.height()) / 2, thumb.width(),
            thumb.height());
    if (r.left() < 0) {
        r.moveLeft(0);
    }
    if (r.right() + 1 > width()) {
        r.moveRight(width() - 1);
    }
    return r;
}

void CSknSliderCtrl3D::PickThumb(QPoint at) {
    activeThumb = 0;
    for (int k = 1; k <= 3 && !activeThumb; ++k) {
        if (ThumbRect(k).contains(at)) {
            activeThumb = k;
        }
    }
}

void CSknSliderCtrl3D::ApplyPointer(int x) {
    if (activeThumb == 0) {
        return;
    }
    const auto i = std::size_t(activeThumb - 1);
    const int n = PointerToValue(x, thumbs_[i].width());
    positions[i] = n;
    if (n != lastReported[i]) {
        lastReported[i] = n;
        Report(n + activeThumb * 65536);
    }
}

void CSknSliderCtrl3D::paintEvent(QPaintEvent*) {
    QImage buffer(size(), QImage::Format_ARGB32_Premultiplied);
    buffer.fill(Qt::transparent);
    QPainter painter(&buffer);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    DrawStretched(painter, rect(), background_);
    for (int k = 3; k >= 1; --k) {  // thumb 1 on top
        painter.drawImage(ThumbRect(k), thumbs_[std::size_t(k - 1)]);
    }
    if (showValue) {
        for (int k = 1; k <= 3; ++k) {
            const QRect t = ThumbRect(k);
            DrawLabelText(painter, &font, QString::number(positions[std::size_t(k - 1)]),
                          FromArgb(textColor), true, false, std::max(t.left() - 10, 0),
                          t.bottom() + 1, std::min(t.right() + 1 + 10, width()),
                          t.bottom() + 1 + 20);
        }
    }
    painter.end();
    QPainter(this).drawImage(0, 0, buffer);
}

CSknScrollCtrl::CSknScrollCtrl(int controlId, QWidget* parent)
    : QWidget(parent), controlId_(controlId) {
    setMouseTracking(true);
}

void CSknScrollCtrl::Report(int value) const {
    if (report_) {
        report_(controlId_, value);
    }
}

void CSknScrollCtrl::SetImagesAndLayout(std::array<QImage, 7> images) {
    images_ = std::move(images);
    const int w = width();
    const int h = height();
    const QImage& thumb = images_[1];
    const QImage& start = images_[3];
    const QImage& end = images_[5];
    vertical = w > h ? 0 : 1;
    if (!vertical) {
        startButtonRect = QRect(0, 0, start.width(), h);
        endButtonRect = QRect(w - end.width(), 0, end.width(), h);
        trackRect =
            QRect(QPoint(startButtonRect.right() + 1, 0), QPoint(endButtonRect.left() - 1, h - 1));
        thumbRect = QRect(start.width(), 0, thumb.width(), h);
    } else {
        startButtonRect = QRect(0, 0, w, start.height());
        endButtonRect = QRect(0, h - end.height(), w, end.height());
        trackRect = QRect(QPoint(0, start.height()), QPoint(w - 1, h - end.height() - 1));
        thumbRect = QRect(0, start.height(), w, thumb.height());
    }
    update();
}

void CSknScrollCtrl::MoveThumb(int value) {
    if (rangeMax == rangeMin) {
        thumbRect.moveTopLeft(trackRect.topLeft());
        return;
    }
    const float r = Ratio(value, rangeMin, rangeMax);
    if (!vertical) {
        thumbRect.moveTopLeft(
            {trackRect.left() + static_cast<int>(r * float(trackRect.width() - images_[1].width())),
             trackRect.top()});
    } else {
        thumbRect.moveTopLeft(
            {trackRect.left(), trackRect.top() + static_cast<int>(r * float(trackRect.height() -
                                                                            images_[1].height()))});
    }
}

void CSknScrollCtrl::SetPosition(int value) {
    // Below the minimum first: a range whose maximum fell under its minimum ends at the minimum.
    value = value < rangeMin ? rangeMin : (value > rangeMax ? rangeMax : value);
    position = value;
    MoveThumb(value);
    Report(value);
}

void CSknScrollCtrl::PointerToPosition(QPoint at) {
    const int t = vertical ? images_[1].height() : images_[1].width();
    const int s = vertical ? trackRect.top() : trackRect.left();
    const int length = vertical ? trackRect.height() : trackRect.width();
    const int p = vertical ? at.y() : at.x();
    const float f =
        float(p - t / 2 - s) * float(rangeMax - rangeMin) / float(length - t) + float(rangeMin);
    int n = RoundHalfUp(f);
    n = n < rangeMin ? rangeMin : (n > rangeMax ? rangeMax : n);
    position = n;
    MoveThumb(n);
    if (lastDragReport_ != n) {
        lastDragReport_ = n;
        Report(n);
    }
}

void CSknScrollCtrl::mousePressEvent(QMouseEvent* event) {
    QWidget::mousePressEvent(event);
    const QPoint at = event->position().toPoint();
    pressed = 1;
    state = 2;
    pressedPart = startButtonRect.contains(at) ? 1
                  : endButtonRect.contains(at) ? 3
                  : thumbRect.contains(at)     ? 2
                                               : 0;
    if (trackRect.contains(at)) {
        PointerToPosition(at);
    }
    repaint();
}

void CSknScrollCtrl::mouseMoveEvent(QMouseEvent* event) {
    QWidget::mouseMoveEvent(event);
    const QPoint at = event->position().toPoint();
    if (state == 2 && trackRect.contains(at)) {
        PointerToPosition(at);
        repaint();
    }
    if (!tracking && rect().contains(at)) {
        tracking = 1;
        pressed = (event->buttons() & Qt::LeftButton) ? 1 : 0;
        state = pressed ? 2 : 1;
    }
}

void CSknScrollCtrl::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    pressed = 0;
    state = 0;
    tracking = 0;
    repaint();
}

void CSknScrollCtrl::mouseReleaseEvent(QMouseEvent* event) {
    QWidget::mouseReleaseEvent(event);
    const QPoint at = event->position().toPoint();
    if (trackRect.contains(at)) {
        PointerToPosition(at);
    }
    // The end buttons jump to the ends of the range; they do not step.
    if (pressedPart == 3) {
        Report(rangeMax);
        SetPosition(rangeMax);
    } else if (pressedPart == 1) {
        Report(rangeMin);
        SetPosition(rangeMin);
    }
    pressed = state = pressedPart = 0;
    repaint();
}

void CSknScrollCtrl::paintEvent(QPaintEvent*) {
    QImage buffer(size(), QImage::Format_ARGB32_Premultiplied);
    buffer.fill(Qt::transparent);
    QPainter painter(&buffer);
    painter.drawImage(rect(), images_[0]);
    painter.drawImage(startButtonRect, images_[pressedPart == 1 ? 4 : 3]);
    painter.drawImage(endButtonRect, images_[pressedPart == 3 ? 6 : 5]);
    painter.drawImage(thumbRect, images_[pressedPart == 2 ? 2 : 1]);
    painter.end();
    QPainter(this).drawImage(0, 0, buffer);
}

void CSknProgressCtrl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    DrawStretched(painter, rect(), background);
    if (!barImage || rangeMax == rangeMin) {
        return;
    }
    const float r = Ratio(position, rangeMin, rangeMax);
    if (!vertical) {
        const int filled = static_cast<int>(float(width()) * r);
        painter.drawImage(QRect(0, 0, filled, barImage->height()),
                          barImage->copy(0, 0, filled, barImage->height()));
    } else {
        // The bottom rows fill; they show the picture's own bottom rows, so the filled look
        // lines up with the empty one it replaces.
        const int filled = static_cast<int>(r * float(height()));
        const QImage rows =
            barImage->copy(0, barImage->height() - filled, barImage->width(), filled);
        painter.drawImage(QRect(0, height() - filled, barImage->width(), filled), rows);
    }
}
