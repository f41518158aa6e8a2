#pragma once

#include <cstdint>
#include <span>

#include "sim/SimState.h"

// The restart request of the normal-mode mouse (reports 0x20/0x21) and the bootloader that takes
// a firmware image (reports 0x20, 0x21, 0x22). Called by the firmware model after the
// transfer-level faults; false is a transfer the device does not take.
bool SimRestartSetFeature(SimState& state, std::span<const std::uint8_t> report);
bool SimRestartGetFeature(SimState& state, std::span<std::uint8_t> report);
bool SimBootSetFeature(SimState& state, std::span<const std::uint8_t> report);
bool SimBootGetFeature(SimState& state, std::span<std::uint8_t> report);

// One search for devices: a restarting mouse is away for a few of them.
void SimCountSearch(SimState& state);
bool SimVisible(const SimState& state);
