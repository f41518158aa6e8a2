#include "profile/ProfileRecord.h"

#include <algorithm>

namespace {

constexpr std::array<const char16_t*, kButtonFunctionCount> kFunctionLabels = {
    u"Left Click",
    u"Right Click",
    u"Scroll Click",
    u"Forward",
    u"Back",
    u"Dpi up",
    u"Dpi down",
    u"",
    u"Profile switch roll",
    u"Profile switch up",
    u"Profile switch down",
    u"Scroll up",
    u"Scroll down",
    u"Single key assign...",
    u"Assign record macro",
    u"Disable Button",
};

constexpr int kUnknownSystemDoubleClickSpeed = 1100;

}  // namespace

std::u16string ButtonFunctionLabel(std::uint8_t code) {
    return code < kFunctionLabels.size() ? kFunctionLabels[code] : u"";
}

std::int16_t DefaultDoubleClickSpeed(std::optional<int> systemDoubleClickMs) {
    if (!systemDoubleClickMs) {
        return kUnknownSystemDoubleClickSpeed;
    }
    return static_cast<std::int16_t>(std::clamp(1600 - *systemDoubleClickMs, 200, 1400));
}

ProfileRecord::ProfileRecord(std::optional<int> systemDoubleClickMs)
    : doubleClickSpeed(DefaultDoubleClickSpeed(systemDoubleClickMs)),
      dpiLevels{{{2000, 2000}, {4000, 4000}, {6000, 6000}}} {
    ledColors.fill(ColorRef(6, 242, 6));
    for (int i = 0; i < kButtonCount; ++i) {
        const auto code = static_cast<std::uint8_t>(i);
        buttons[i] = {code, code, 0, code, 0};
    }
}

void ProfileRecord::ResetToDefaults(std::optional<int> systemDoubleClickMs) {
    const ProfileRecord fresh(systemDoubleClickMs);
    enabled = fresh.enabled;
    reservedWord = fresh.reservedWord;
    pollingInterval = fresh.pollingInterval;
    doubleClickSpeed = fresh.doubleClickSpeed;
    scrollLines = fresh.scrollLines;
    scrollByLines = fresh.scrollByLines;
    scrollByPage = fresh.scrollByPage;
    accelerationEnabled = fresh.accelerationEnabled;
    accelerationLevel = fresh.accelerationLevel;
    dpiLevel = fresh.dpiLevel;
    xySeparate = fresh.xySeparate;
    definedMode = fresh.definedMode;
    dpiLevels = fresh.dpiLevels;
    pointerSpeed = fresh.pointerSpeed;
    liftDistance = fresh.liftDistance;
    surfaceQuality = fresh.surfaceQuality;
    ledZones = fresh.ledZones;
    ledEffect = fresh.ledEffect;
    ledColors = fresh.ledColors;
    // defaultFunction and spare stay: they are fixed at construction.
    for (int i = 0; i < kButtonCount; ++i) {
        buttons[i].macroSlot = fresh.buttons[i].macroSlot;
        buttons[i].function = fresh.buttons[i].function;
        buttons[i].param = fresh.buttons[i].param;
    }
}

std::u16string ProfileRecord::MacroNameOf(const ButtonAssignment& entry) const {
    return entry.macroSlot < kButtonCount ? macros[entry.macroSlot].name : std::u16string();
}

void ProfileRecord::BindMacro(const std::optional<ProfileMacro>& found, ButtonAssignment& entry) {
    if (!found) {
        entry.function = entry.defaultFunction;
        entry.param = 0;
        return;
    }
    if (entry.function == static_cast<std::uint8_t>(ButtonFunction::RecordMacro) &&
        entry.macroSlot < kButtonCount) {
        macros[entry.macroSlot] = *found;
    }
}
