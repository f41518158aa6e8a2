#include "skin/SknLabels.h"

#include <QPainter>

#include "skin/LabelText.h"

CSknStatic::CSknStatic(int controlId, QWidget* parent) : QWidget(parent), controlId_(controlId) {
    SetFontHeight(15);
}

void CSknStatic::SetBackground(std::optional<QImage> background) {
    background_ = std::move(background);
    update();
}

void CSknStatic::SetFontHeight(int pixels) {
    font = QFont("Arial");
    font.setPixelSize(pixels);
}

void CSknStatic::SetText(const QString& text) {
    if (texts.empty()) {
        texts.push_back(text);
    } else {
        texts.front() = text;
    }
    textIndex = 0;
    repaint();
}

QString CSknStatic::CurrentText() const {
    return textIndex >= 0 && std::size_t(textIndex) < texts.size() ? texts[std::size_t(textIndex)]
                                                                   : QString();
}

void CSknStatic::paintEvent(QPaintEvent*) {
    QImage buffer(size(), QImage::Format_ARGB32_Premultiplied);
    buffer.fill(FromArgb(fillColor));
    QPainter painter(&buffer);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (background_) {
        painter.drawImage(rect(), *background_);
    }
    if (imageIndex >= 0 && std::size_t(imageIndex) < images.size()) {
        painter.drawImage(rect(), images[std::size_t(imageIndex)]);
    }
    if (textIndex >= 0 && std::size_t(textIndex) < texts.size()) {
        DrawLabelText(painter, &font, texts[std::size_t(textIndex)], FromArgb(textColor),
                      centerText != 0, true, 0, 0, width(), height());
    }
    painter.end();
    QPainter(this).drawImage(0, 0, buffer);
}

void CSknStatic::mouseDoubleClickEvent(QMouseEvent* event) {
    QWidget::mouseDoubleClickEvent(event);
    if (report_) {
        report_(controlId_, 1);
    }
}

CSknEdit::CSknEdit(int controlId, QWidget* parent) : QLineEdit(parent), controlId_(controlId) {
    setFrame(false);
    SetFontHeight(14);
    connect(this, &QLineEdit::textChanged, this, [this] {
        update();
        if (report_) {
            report_(controlId_, kChanged);
        }
    });
}

void CSknEdit::SetFontHeight(int pixels) {
    QFont arial("Arial");
    arial.setPixelSize(pixels);
    setFont(arial);
    update();
}

void CSknEdit::paintEvent(QPaintEvent* event) {
    {
        QPainter painter(this);
        if (background) {
            painter.drawImage(rect(), *background);
        } else {
            painter.fillRect(rect(), Qt::black);
            painter.setPen(FromArgb(0xFF969696));
            painter.drawRect(rect().adjusted(0, 0, -1, -1));
        }
    }
    // The line edit draws its text and cursor over that, in the text colour, on no fill.
    if (palette().color(QPalette::Text) != FromColorRef(textColor)) {
        QPalette colours = palette();
        colours.setColor(QPalette::Text, FromColorRef(textColor));
        colours.setColor(QPalette::Base, Qt::transparent);
        setPalette(colours);
    }
    QLineEdit::paintEvent(event);
}
