#pragma once

#include <QColor>
#include <QFont>
#include <QString>

class QPainter;

// The caption routine of the skinned controls: the text at its LabelOrigin, transparent
// background, in the colour and (when given) the font.
void DrawLabelText(QPainter& painter, const QFont* font, const QString& text, const QColor& color,
                   bool centreHorizontally, bool centreVertically, int left, int top, int right,
                   int bottom);
