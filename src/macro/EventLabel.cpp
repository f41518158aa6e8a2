#include "macro/EventLabel.h"

#include "macro/KeyNames.h"

namespace {

struct EventName {
    std::int16_t keyCode;
    const char16_t* down;
    const char16_t* up;
};

// Named by key code alone, whatever the kind: a key event with the browser back or forward key
// reads like the mouse's back or forward button.
constexpr EventName kEventNames[] = {
    {1, u"Left button Down", u"Left button Up"},
    {2, u"Right button Down", u"Right button Up"},
    {4, u"Middle button Down", u"Middle button Up"},
    {167, u"Forward button Down", u"Forward button Up"},
    {166, u"Back button Down", u"Back button Up"},
};

std::u16string EventName(const CEventItem& event) {
    // The wheel has one text for every direction.
    if (event.keyCode == kWheelUp) {
        return u"Scroll wheel Up";
    }
    if (event.keyCode == kWheelDown) {
        return u"Scroll wheel Down";
    }
    for (const auto& name : kEventNames) {
        if (name.keyCode == event.keyCode) {
            return event.direction == 0 ? name.down : event.direction == 1 ? name.up : u"";
        }
    }
    return {};
}

std::u16string DelayText(std::int32_t delay) {
    const std::string text = std::to_string(delay) + " ms";
    return {text.begin(), text.end()};
}

}  // namespace

EventLabel LabelOf(const CEventItem& event) {
    EventLabel label;
    label.delay = DelayText(event.delay);
    label.text = EventName(event);
    if (!label.text.empty()) {
        label.marker = EventMarker::Line;
        return label;
    }
    label.text = KeyName(event.keyCode);
    if (!label.text.empty()) {
        label.marker = event.direction == 0   ? EventMarker::V
                       : event.direction == 1 ? EventMarker::InvertedV
                                              : EventMarker::None;
    }
    return label;
}
