#include "device/AnsiName.h"

#include <array>

namespace {

// 0x80 … 0x9F of Windows-1252; 0 where the code page has no character.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char Encode(char16_t unit) {
    if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF)) {
        return static_cast<char>(unit);
    }
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] != 0 && kHighControls[i] == unit) {
            return static_cast<char>(0x80 + i);
        }
    }
    return '?';
}

bool IsHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
bool IsLowSurrogate(char16_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

}  // namespace

std::string ToWindows1252(const std::u16string& text, std::size_t maxBytes) {
    std::string out;
    for (std::size_t i = 0; i < text.size() && out.size() < maxBytes; ++i) {
        if (IsHighSurrogate(text[i]) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
            ++i;  // one character outside the code page: one "?"
            out += '?';
            continue;
        }
        out += Encode(text[i]);
    }
    return out;
}
