#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A rectangle in a control's client coordinates; right and bottom lie outside it.
struct Rect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
    bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    void MoveBy(int dy) {
        top += dy;
        bottom += dy;
    }
    friend bool operator==(const Rect&, const Rect&) = default;
};

// Event kinds and the codes of the mouse events a macro can hold.
inline constexpr std::uint8_t kKeyEvent = 1;
inline constexpr std::uint8_t kMouseButtonEvent = 16;
inline constexpr std::uint8_t kWheelEvent = 17;
inline constexpr std::int16_t kWheelUp = 151;
inline constexpr std::int16_t kWheelDown = 152;

// One event of a library macro, with its row in the editor.
struct CEventItem {
    Rect rect;
    std::int32_t selected = 0;
    std::int32_t itemId = 0;
    std::uint8_t kind = 0;
    std::int16_t keyCode = 0;
    std::uint8_t direction = 0;  // 0 press, 1 release
    std::int32_t delay = 0;      // ms before this event
    friend bool operator==(const CEventItem&, const CEventItem&) = default;
};

// One macro of the library.
struct CMacro {
    Rect viewRect;  // the editor's client rectangle when the macro was made
    std::int32_t macroId = 0;
    std::u16string name;
    std::vector<CEventItem> events;
    friend bool operator==(const CMacro&, const CMacro&) = default;
};
