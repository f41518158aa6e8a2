#include "device/KeyUsage.h"

#include <array>
#include <utility>

namespace {

struct Range {
    std::uint16_t firstKey, lastKey, firstUsage;
};

constexpr Range kRanges[] = {
    {65, 90, 4},     // A … Z
    {49, 57, 30},    // 1 … 9
    {112, 123, 58},  // F1 … F12
    {97, 105, 89},   // keypad 1 … 9
};

constexpr std::pair<std::uint16_t, std::uint16_t> kSingles[] = {
    {48, 39},                                                  // 0
    {96, 98},                                                  // keypad 0
    {13, 40},   {27, 41},   {8, 42},    {9, 43},   {32, 44},   // Enter Esc Backspace Tab Space
    {3, 72},    {19, 72},                                      // Cancel, Pause
    {20, 57},                                                  // Caps Lock
    {44, 70},   {145, 71},  {45, 73},   {36, 74},  {33, 75},   // PrtSc ScrLk Ins Home PgUp
    {46, 76},   {35, 77},   {34, 78},                          // Del End PgDn
    {39, 79},   {37, 80},   {40, 81},   {38, 82},              // arrows
    {144, 83},  {111, 84},  {106, 85},  {109, 86}, {107, 87},  // Num Lock, keypad / * - +
    {110, 99},                                                 // keypad .
    {93, 101},                                                 // Menu
    {189, 45},  {187, 46},  {219, 47},  {221, 48}, {220, 49},  // - = [ ] backslash
    {186, 51},  {222, 52},  {192, 53},  {188, 54}, {190, 55}, {191, 56},  // ; ' ` , . /
    {175, 128}, {174, 129},                                               // Volume Up, Down
    {162, 224}, {160, 225}, {164, 226}, {91, 227},                        // left Ctrl Shift Alt Win
    {163, 228}, {161, 229}, {165, 230}, {92, 231},  // right Ctrl Shift Alt Win
};

}  // namespace

std::uint16_t HidUsageOfVirtualKey(std::uint16_t virtualKey) {
    for (const Range& range : kRanges) {
        if (virtualKey >= range.firstKey && virtualKey <= range.lastKey) {
            return static_cast<std::uint16_t>(range.firstUsage + (virtualKey - range.firstKey));
        }
    }
    for (const auto& [key, usage] : kSingles) {
        if (key == virtualKey) {
            return usage;
        }
    }
    return virtualKey;
}
