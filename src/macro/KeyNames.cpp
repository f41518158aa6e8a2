#include "macro/KeyNames.h"

#include <utility>

namespace {

// Names exactly as the program has always shown them, trailing blanks included.
constexpr std::pair<std::int32_t, const char16_t*> kNames[] = {
    {1, u"Left Button"},
    {2, u"Right Button"},
    {4, u"Middle Button"},
    {8, u"BACK"},
    {9, u"TAB"},
    {12, u"CLEAR"},
    {13, u"ENTER"},
    {19, u"PAUSE"},
    {20, u"CAPS LOCK"},
    {27, u"ESC"},
    {32, u"SPACE"},
    {33, u"PAGE UP"},
    {34, u"PAGE DOWN"},
    {35, u"END"},
    {36, u"HOME"},
    {37, u"LEFT ARROW"},
    {38, u"UP ARROW "},
    {39, u"RIGHT ARROW"},
    {40, u"DOWN ARROW"},
    {41, u"SELECT"},
    {42, u"PRINT"},
    {43, u"EXECUTE"},
    {44, u"PRINT SCREEN"},
    {45, u"INS"},
    {46, u"DEL"},
    {47, u"HELP"},
    {91, u"Left Window"},
    {92, u"Right Window"},
    {93, u"Application"},
    {106, u"*"},
    {107, u"+"},
    {109, u"-"},
    {110, u"."},
    {111, u"/"},
    {144, u"NUM LOCK"},
    {145, u"SCROLL LOCK"},
    {160, u"Left SHIFT"},
    {161, u"Right SHIFT"},
    {162, u"Left CONTROL"},
    {163, u"Right CONTROL"},
    {164, u"Left ALT"},
    {165, u"Right ALT"},
    {166, u"Browser Back"},
    {167, u"Browser Forward"},
    {168, u"Browser Refresh"},
    {174, u"Volume Down"},
    {175, u"Volume Up "},
    {186, u";"},
    {187, u"+"},
    {188, u","},
    {189, u"-"},
    {190, u"."},
    {191, u"/"},
    {192, u"`"},
    {219, u"["},
    {220, u"\\"},
    {221, u"]"},
    {222, u"'"},
    {255, u"Fn"},
};

}  // namespace

std::u16string KeyName(std::int32_t key) {
    if (key >= 48 && key <= 57) {
        return std::u16string(1, static_cast<char16_t>(u'0' + (key - 48)));
    }
    if (key >= 96 && key <= 105) {
        return std::u16string(1, static_cast<char16_t>(u'0' + (key - 96)));
    }
    if (key >= 65 && key <= 90) {
        return std::u16string(1, static_cast<char16_t>(u'A' + (key - 65)));
    }
    if (key >= 112 && key <= 135) {
        const int n = key - 111;
        std::u16string name = u"F";
        if (n >= 10) {
            name += static_cast<char16_t>(u'0' + n / 10);
        }
        name += static_cast<char16_t>(u'0' + n % 10);
        return name;
    }
    for (const auto& [code, name] : kNames) {
        if (code == key) {
            return name;
        }
    }
    return {};
}
