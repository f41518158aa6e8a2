#include "updater/SkinnedButton.h"

#include <QMouseEvent>
#include <QPainter>

SkinnedButton::SkinnedButton(QWidget* parent, QPoint at, QImage normal, QImage hover,
                             QImage pressed, QImage disabled)
    : QAbstractButton(parent),
      normal_(std::move(normal)),
      hoverImage_(std::move(hover)),
      pressed_(std::move(pressed)),
      disabled_(std::move(disabled)) {
    setGeometry(QRect(at, normal_.size()));
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);
}

const QImage& SkinnedButton::CurrentImage() const {
    if (isDown()) {
        return pressed_;
    }
    if (hover_) {
        return hoverImage_;
    }
    return isEnabled() ? normal_ : disabled_;
}

void SkinnedButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(rect(), CurrentImage());
}

void SkinnedButton::enterEvent(QEnterEvent* event) {
    hover_ = true;
    update();
    QAbstractButton::enterEvent(event);
}

void SkinnedButton::leaveEvent(QEvent* event) {
    hover_ = false;
    update();
    QAbstractButton::leaveEvent(event);
}

void SkinnedButton::mousePressEvent(QMouseEvent* event) {
    // A press makes its window the active one first.
    window()->activateWindow();
    QAbstractButton::mousePressEvent(event);
}
