#pragma once

#include <cstdint>
#include <string>

// The display name of a Windows virtual-key code; empty for codes without one.
std::u16string KeyName(std::int32_t virtualKey);
