#include "skin/LabelText.h"

#include <QFontMetrics>
#include <QPainter>

#include "skin/SkinStore.h"

void DrawLabelText(QPainter& painter, const QFont* font, const QString& text, const QColor& color,
                   bool centreHorizontally, bool centreVertically, int left, int top, int right,
                   int bottom) {
    if (font) {
        painter.setFont(*font);
    }
    painter.setPen(color);
    painter.setBackgroundMode(Qt::TransparentMode);
    const QFontMetrics metrics(painter.font());
    const QSize size(metrics.horizontalAdvance(text), metrics.height());
    const QPoint origin =
        LabelOrigin(size, centreHorizontally, centreVertically, left, top, right, bottom);
    // The origin is the text's top-left corner; QPainter draws from the baseline.
    painter.drawText(origin.x(), origin.y() + metrics.ascent(), text);
}
