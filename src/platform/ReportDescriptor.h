#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "platform/HidBackend.h"

// The top-level application collections of a HID report descriptor, in order: only collections
// at nesting depth 0 count, named by the Usage Page and Usage in force when they open. A 4-byte
// Usage carries its own page in its high half. A descriptor that ends inside an item stops there.
std::vector<HidCollection> TopLevelCollections(std::span<const std::uint8_t> descriptor);
