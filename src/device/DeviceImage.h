#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "device/DeviceLink.h"
#include "profile/ProfileRecord.h"

// The 2048-byte image in which the mouse stores one profile.
inline constexpr std::size_t kImageSize = 2048;
inline constexpr std::size_t kImageHalf = 1024;
inline constexpr std::size_t kMacroAreaOffset = 800;
inline constexpr int kMaxEventsPerMacro = 128;
inline constexpr int kMaxEventsPerImage = 164;

struct DeviceImage {
    std::array<std::uint8_t, kImageSize> bytes{};
    // Events in each button's macro block; 0 for a button without a macro.
    std::array<int, kButtonCount> macroEventCounts{};
    int TotalMacroEvents() const;
};

DeviceImage BuildDeviceImage(const ProfileRecord& record);

// 1 sent; 2 more than 164 macro events, nothing sent; 3 a transfer failed.
int WriteProfileImage(DeviceLink& link, const DeviceImage& image);

// An image read back into its parts, for showing what a mouse holds.
struct DecodedImage {
    struct Zone {
        std::uint8_t red, green, blue, effect;
    };
    struct Button {
        std::uint8_t type, value;
        std::uint16_t macroOffset, macroCount;
        std::uint8_t tail;
        std::vector<std::array<std::uint8_t, 7>> events;  // the macro's records
    };
    std::uint8_t slot;
    std::string name;  // Windows-1252 bytes as stored
    std::uint32_t length;
    std::uint8_t polling, enabled, dpiLevel, levelCount, definedMode, liftDistance;
    Zone wheel, logo, dpiIndicator, dpiButtons;
    struct Level {
        std::uint8_t separate;
        std::uint16_t x, y;
    };
    std::array<Level, 3> levels;
    std::array<Button, kButtonCount> buttons;
};
DecodedImage DecodeDeviceImage(const std::array<std::uint8_t, kImageSize>& bytes);
