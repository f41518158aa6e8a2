#include "skin/SknImageDialog.h"

#include <QKeyEvent>
#include <QPainter>

CSknImageDialog::CSknImageDialog(QWidget* parent, Qt::WindowFlags flags) : QDialog(parent, flags) {}

void CSknImageDialog::SetBackground(const QImage& background) {
    background_ = background.copy();
    resize(background_->size());  // at the same top-left corner
    update();
}

void CSknImageDialog::paintEvent(QPaintEvent* event) {
    if (!background_) {
        QDialog::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(rect(), *background_);
}

void CSknImageDialog::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape:
            event->ignore();  // not a close; a window that wants the key handles it first
            return;
        default:
            QDialog::keyPressEvent(event);
    }
}
