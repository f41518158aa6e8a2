#include "macro/ScrollRange.h"

void ScrollRange::SetPosition(int value) {
    // Below the minimum first: a range whose maximum fell under its minimum ends at the minimum.
    if (value < rangeMin) {
        value = rangeMin;
    } else if (value > rangeMax) {
        value = rangeMax;
    }
    position_ = value;
    if (report_) {
        report_(value);
    }
}
