#pragma once

#include "skin/ScreenTables.h"

class QPainter;

// Everything of a screen's pictures that is not a control: the backdrop, headings, labels and
// the pop-ups' wording. The same in every state.
void PaintBackdrop(QPainter& painter, const ScreenSpec& screen);
