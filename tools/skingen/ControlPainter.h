#pragma once

#include <QRect>

#include "SkinState.h"
#include "skin/ScreenTables.h"

class QPainter;

QRect ToQRect(const SkinRect& rect);

// Draws one control of a screen table in one state, exactly inside its image rectangle.
void PaintControl(QPainter& painter, const ControlSpec& control, SkinState state);
