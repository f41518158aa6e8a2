#pragma once

#include <cstdint>
#include <span>

#include "sim/SimState.h"

// The simulated mouse's firmware: how it answers the feature reports of its vendor collection.
// Each call is one transfer; false is a transfer that fails (a fault, an unplugged mouse, or a
// report the mouse does not take).
bool SimSetFeature(SimState& state, std::span<const std::uint8_t> report);
bool SimGetFeature(SimState& state, std::span<std::uint8_t> report);

// The mouse's own profile button.
void SimPressProfileButton(SimState& state, bool up);

// Pulls the mouse out or puts it back; a new plug-in invalidates every open handle.
void SimSetPlugged(SimState& state, bool plugged);
