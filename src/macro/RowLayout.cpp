#include "macro/RowLayout.h"

Rect LaidOutRow(int index, int width) {
    return {4, 5 + kRowHeight * index, width - 2, 5 + kRowHeight * (index + 1)};
}
