#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// One of the mouse's five profiles as the program holds it in memory.

enum class ButtonFunction : std::uint8_t {
    LeftClick = 0,
    RightClick = 1,
    ScrollClick = 2,
    Forward = 3,
    Back = 4,
    DpiUp = 5,
    DpiDown = 6,
    Unused7 = 7,  // no menu offers it
    ProfileSwitchRoll = 8,
    ProfileSwitchUp = 9,
    ProfileSwitchDown = 10,
    ScrollUp = 11,
    ScrollDown = 12,
    SingleKey = 13,    // param: virtual-key code
    RecordMacro = 14,  // param: macro identifier in the library
    DisableButton = 15,
};

inline constexpr int kButtonFunctionCount = 16;

// The button page's menu label of a function code; empty for codes outside 0 … 15 and for 7.
std::u16string ButtonFunctionLabel(std::uint8_t code);

#pragma pack(push, 1)
struct ButtonAssignment {
    std::uint8_t macroSlot = 0;  // which of the record's macros belongs to this button
    std::uint8_t function = 0;   // ButtonFunction code
    std::int16_t param = 0;
    std::uint8_t defaultFunction = 0;  // what the button falls back to when its macro is gone
    std::uint8_t spare = 0;
};
#pragma pack(pop)
static_assert(sizeof(ButtonAssignment) == 6);

struct DpiSetting {
    std::uint16_t x = 0;
    std::uint16_t y = 0;
    friend bool operator==(const DpiSetting&, const DpiSetting&) = default;
};

struct CMacroEvent {
    std::uint8_t kind = 0;  // 1 key, 16 mouse button, 17 wheel
    std::int16_t keyCode = 0;
    std::uint8_t direction = 0;  // 0 press, 1 release
    std::int32_t delay = 0;      // milliseconds before this event
    friend bool operator==(const CMacroEvent&, const CMacroEvent&) = default;
};
static_assert(sizeof(CMacroEvent) == 12);

// A profile's own copy of a library macro. Value semantics: copying copies every event.
struct ProfileMacro {
    std::u16string name;
    std::int32_t macroId = 0;  // 0 until a library macro is bound
    std::vector<CMacroEvent> events;
    friend bool operator==(const ProfileMacro&, const ProfileMacro&) = default;
};

inline constexpr int kButtonCount = 7;
inline constexpr int kDpiLevelCount = 3;
inline constexpr int kLedZoneCount = 4;

// Colours are Windows colour references: 0x00BBGGRR, red in the lowest byte.
constexpr std::uint32_t ColorRef(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    return std::uint32_t{red} | (std::uint32_t{green} << 8) | (std::uint32_t{blue} << 16);
}

// The double-click slider position that keeps the user's system double-click time when the main
// window applies 1600 minus it; 1100 while the system value is unknown.
std::int16_t DefaultDoubleClickSpeed(std::optional<int> systemDoubleClickMs);

struct ProfileRecord {
    explicit ProfileRecord(std::optional<int> systemDoubleClickMs = std::nullopt);

    std::u16string filePath;
    std::int32_t enabled = 1;
    std::u16string name = u"profile";
    std::uint8_t slotIndex = 0;
    std::int16_t reservedWord = 179;
    std::int16_t pollingInterval = 1;  // ms: 1, 2, 4 or 8
    std::int16_t doubleClickSpeed = 1100;
    std::int16_t scrollLines = 2;
    std::int32_t scrollByLines = 1;
    std::int32_t scrollByPage = 0;
    std::int32_t accelerationEnabled = 0;
    std::int16_t accelerationLevel = 1;  // not stored in the profile file
    std::uint8_t dpiLevel = 2;
    std::int32_t xySeparate = 0;
    std::int32_t definedMode = 0;
    std::array<DpiSetting, kDpiLevelCount> dpiLevels{};
    std::uint8_t pointerSpeed = 5;
    std::uint8_t liftDistance = 12;
    std::int16_t surfaceQuality = 0;
    std::int32_t ledZones = 15;  // 15 on, 0 off, else 16 | one bit per lit zone
    std::int32_t ledEffect = 1;  // low bits the effect, bit 4 colour shift
    std::array<std::uint32_t, kLedZoneCount> ledColors{};
    std::array<ButtonAssignment, kButtonCount> buttons{};
    std::array<ProfileMacro, kButtonCount> macros{};

    // "Reset to Default": settings back to their defaults; name, file, slot and the bound macro
    // copies stay.
    void ResetToDefaults(std::optional<int> systemDoubleClickMs = std::nullopt);

    // Name of the macro copy that belongs to a button; empty for a slot outside 0 … 6.
    std::u16string MacroNameOf(const ButtonAssignment& entry) const;

    // Stores the library macro found for the entry's param into the entry's macro slot, or turns
    // the button back into its factory function when the library no longer has that macro.
    void BindMacro(const std::optional<ProfileMacro>& found, ButtonAssignment& entry);
};
