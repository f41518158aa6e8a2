#include "skin/ColorPanel.h"

#include <QCursor>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

#include "skin/ScreenTables.h"

CColorPanel::CColorPanel(int id, QWidget* owner, Pick pick)
    : QWidget(owner, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus |
                         Qt::WindowStaysOnTopHint),
      cursorPosition([] { return QCursor::pos(); }),
      id_(id),
      owner_(owner),
      pick_(std::move(pick)),
      timer_(new QTimer(this)) {
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 50, 50);
    timer_->setInterval(2000);
    connect(timer_, &QTimer::timeout, this, &CColorPanel::CheckPointer);
}

void CColorPanel::ShowAt(QPoint global) {
    setGeometry(QRect(global, image_.size()));
    show();
    timer_->start();
}

void CColorPanel::CheckPointer() {
    const QPoint at = cursorPosition();
    const QRect ownerRect(owner_->mapToGlobal(QPoint(0, 0)), owner_->size());
    if (!frameGeometry().contains(at) && !ownerRect.contains(at)) {
        timer_->stop();
        hide();
    }
}

void CColorPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(rect(), image_);
}

void CColorPanel::mousePressEvent(QMouseEvent* event) {
    QWidget::mousePressEvent(event);
    pressed = 1;
    update();
}

void CColorPanel::mouseReleaseEvent(QMouseEvent* event) {
    QWidget::mouseReleaseEvent(event);
    const QPoint at = event->position().toPoint();
    for (const ColorCellSpec& cell : ColorPanelCells()) {
        // Right and bottom are outside: the lines between the cells belong to none.
        if (at.x() >= cell.left && at.x() < cell.right && at.y() >= cell.top &&
            at.y() < cell.bottom) {
            if (pick_) {
                pick_(id_, cell.colorRef);
            }
            hide();
        }
    }
    pressed = 0;
}
