#include "macro/EventLabel.h"

#include <gtest/gtest.h>

#include "macro/KeyNames.h"

namespace {

TEST(EventLabel, MouseEventsAreNamedByCodeAndKeysByTheirName) {
    const struct {
        std::uint8_t kind;
        std::int16_t keyCode;
        std::uint8_t direction;
        EventMarker marker;
        std::u16string text;
    } cases[] = {
        {16, 1, 0, EventMarker::Line, u"Left button Down"},
        {16, 2, 1, EventMarker::Line, u"Right button Up"},
        {16, 4, 0, EventMarker::Line, u"Middle button Down"},
        {16, 167, 1, EventMarker::Line, u"Forward button Up"},
        {1, 166, 0, EventMarker::Line, u"Back button Down"},  // a key event, named by its code
        {17, 151, 0, EventMarker::Line, u"Scroll wheel Up"},
        {17, 151, 1, EventMarker::Line, u"Scroll wheel Up"},
        {17, 152, 7, EventMarker::Line, u"Scroll wheel Down"},
        {1, 0x41, 0, EventMarker::V, u"A"},
        {1, 38, 1, EventMarker::InvertedV, u"UP ARROW "},
        {16, 1, 2, EventMarker::None, u"Left Button"},  // no name for that direction
        {1, 0x41, 5, EventMarker::None, u"A"},
        {1, 0x07, 0, EventMarker::None, u""},  // no key name: nothing but the delay
    };
    for (const auto& c : cases) {
        CEventItem event;
        event.kind = c.kind;
        event.keyCode = c.keyCode;
        event.direction = c.direction;
        event.delay = 40;
        const EventLabel label = LabelOf(event);
        EXPECT_EQ(label.marker, c.marker) << c.keyCode << "/" << int(c.direction);
        EXPECT_EQ(label.text, c.text) << c.keyCode << "/" << int(c.direction);
        EXPECT_EQ(label.delay, u"40 ms");
    }
}

TEST(KeyNames, RangesAndListedCodes) {
    const struct {
        std::int32_t code;
        std::u16string name;
    } cases[] = {
        {48, u"0"},
        {57, u"9"},
        {96, u"0"},
        {105, u"9"},
        {65, u"A"},
        {90, u"Z"},
        {112, u"F1"},
        {121, u"F10"},
        {135, u"F24"},
        {38, u"UP ARROW "},
        {175, u"Volume Up "},
        {166, u"Browser Back"},
        {220, u"\\"},
        {255, u"Fn"},
        {0, u""},
        {136, u""},
        {-1, u""},
        {256, u""},
        {108, u""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(KeyName(c.code), c.name) << c.code;
    }
}

}  // namespace
