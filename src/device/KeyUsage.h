#pragma once

#include <cstdint>

// The HID keyboard usage (Keyboard/Keypad page) the mouse sends for a Windows virtual-key code.
// Codes without a usage of their own, such as the mouse-button codes, pass unchanged.
std::uint16_t HidUsageOfVirtualKey(std::uint16_t virtualKey);
