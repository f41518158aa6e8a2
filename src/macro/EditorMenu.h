#pragma once

#include <cstdint>
#include <span>

// The macro editor's context menu: one table that the menu widget is built from and that the
// editor model runs the chosen command by.

enum class EditorAction {
    Submenu,
    StartRecordBefore,
    StartRecordAfter,
    InsertDelay,
    EditDelay,
    Delete,
    InsertDown,   // one press
    InsertUp,     // one release
    InsertClick,  // a press, then its release
    InsertWheel,
};

struct EditorMenuEntry {
    int code;
    const char16_t* text;
    int parent;  // 0: the top menu
    EditorAction action;
    std::int16_t keyCode;  // the inserted event's key code
};

inline constexpr int kEditorMenuWidth = 170;
inline constexpr int kEditorSubmenuWidth = 120;  // the "Insert mouse event" submenu
inline constexpr int kEditorMenuRowHeight = 20;

std::span<const EditorMenuEntry> EditorMenu();
const EditorMenuEntry* FindEditorMenuEntry(int code);
