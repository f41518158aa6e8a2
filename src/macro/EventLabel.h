#pragma once

#include <string>

#include "macro/Macro.h"

// What an event row of the macro editor shows: a marker, a label and the delay.
enum class EventMarker {
    None,
    Line,      // a mouse or wheel event named by the event-name table
    V,         // a key press
    InvertedV  // a key release
};

struct EventLabel {
    EventMarker marker = EventMarker::None;
    std::u16string text;   // empty: no marker and no label, the delay moves to the row's start
    std::u16string delay;  // "%d ms"
};

EventLabel LabelOf(const CEventItem& event);
