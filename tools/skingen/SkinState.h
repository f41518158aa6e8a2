#pragma once

#include <string_view>

// The pictures of a screen: its background alone, and its controls in each state.
enum class SkinState { Background, Normal, Over, Down, Disable };

inline std::string_view SuffixOf(SkinState state) {
    switch (state) {
        case SkinState::Background:
            return "BK";
        case SkinState::Normal:
            return "Normal";
        case SkinState::Over:
            return "Over";
        case SkinState::Down:
            return "Down";
        case SkinState::Disable:
            return "Disable";
    }
    return "";
}
