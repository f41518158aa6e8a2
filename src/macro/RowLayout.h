#pragma once

#include <vector>

#include "macro/Macro.h"

// The 18-pixel rows the macro list and the editor lay out from the top of their client area.
inline constexpr int kRowHeight = 18;

// Row i: left 4, top 5 + 18 i, right width − 2, bottom 23 + 18 i.
Rect LaidOutRow(int index, int width);

// How many whole rows fit into a height.
inline int VisibleRows(int height) {
    return height / kRowHeight;
}

// Moves rows up or down together; scrolling is done this way, by moving the rectangles.
template <typename Row>
void MoveRows(std::vector<Row>& rows, int dy) {
    for (Row& row : rows) {
        row.rect.MoveBy(dy);
    }
}
