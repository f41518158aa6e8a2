#pragma once

#include <array>
#include <optional>
#include <string_view>

// The skin folder's 62 pictures and how a skin-part number and state select one of them.

inline constexpr int kSkinFileCount = 62;
// The file names in loading order; a slot of the store is an index into this list.
const std::array<std::string_view, kSkinFileCount>& SkinFileNames();
std::optional<int> SkinSlotOf(std::string_view fileName);

enum class SkinResult {
    Shared,  // the stored picture itself
    Copy,    // a copy of the whole stored picture
    Part,    // a cut out of the stored picture
};

struct SkinSelection {
    int slot;
    SkinResult result;
};

// Which picture a request for (number, state) takes, and as what; nothing for an invalid number
// or a state the family does not have.
std::optional<SkinSelection> SelectSkin(int number, int state);
