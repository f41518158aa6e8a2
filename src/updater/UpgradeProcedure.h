#pragma once

#include <functional>
#include <string>

#include "updater/BootloaderLink.h"
#include "updater/FirmwareImage.h"

// What the procedure tells the window: progress after each block, and the two messages.
struct UpgradeReports {
    std::function<void(int block)> progress;
    // Shown to the user; returns once the user has read it.
    std::function<void(const std::string& text)> message;
};

inline constexpr const char* kEnterBootloaderFailed = "SendDfuRequest error\n";
inline constexpr const char* kBootloaderNotFound =
    "Mouse is not connected and or not in bootloader mode\n";

// Restarts the mouse into its bootloader when it is in normal mode, finds the bootloader and
// sends it the image block by block. True only when every block went through.
bool RunUpgrade(BootloaderLink& link, Waiter& waiter, const FirmwareImage& image,
                const UpgradeReports& reports);
