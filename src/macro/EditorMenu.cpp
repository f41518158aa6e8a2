#include "macro/EditorMenu.h"

namespace {

using A = EditorAction;

constexpr EditorMenuEntry kEntries[] = {
    {1, u"Start record before event", 0, A::StartRecordBefore, 0},
    {2, u"Start record after event", 0, A::StartRecordAfter, 0},
    {3, u"Insert mouse event", 0, A::Submenu, 0},
    {4, u"Insert delay", 0, A::InsertDelay, 0},
    {5, u"Edit delay", 0, A::EditDelay, 0},
    {6, u"Delete", 0, A::Delete, 0},
    {7, u"Left button", 3, A::Submenu, 0},
    {8, u"Down", 7, A::InsertDown, 1},
    {9, u"Up", 7, A::InsertUp, 1},
    {10, u"Click", 7, A::InsertClick, 1},
    {11, u"Right button", 3, A::Submenu, 0},
    {12, u"Down", 11, A::InsertDown, 2},
    {13, u"Up", 11, A::InsertUp, 2},
    {14, u"Click", 11, A::InsertClick, 2},
    {15, u"Middle button", 3, A::Submenu, 0},
    {16, u"Down", 15, A::InsertDown, 4},
    {17, u"Up", 15, A::InsertUp, 4},
    {18, u"Click", 15, A::InsertClick, 4},
    {19, u"Forward button", 3, A::Submenu, 0},
    {20, u"Down", 19, A::InsertDown, 167},
    {21, u"Up", 19, A::InsertUp, 167},
    {22, u"Click", 19, A::InsertClick, 167},
    {23, u"Back button", 3, A::Submenu, 0},
    {24, u"Down", 23, A::InsertDown, 166},
    {25, u"Up", 23, A::InsertUp, 166},
    {26, u"Click", 23, A::InsertClick, 166},
    {27, u"Scroll wheel", 3, A::Submenu, 0},
    {28, u"Down", 27, A::InsertWheel, 152},
    {29, u"Up", 27, A::InsertWheel, 151},
};

}  // namespace

std::span<const EditorMenuEntry> EditorMenu() {
    return kEntries;
}

const EditorMenuEntry* FindEditorMenuEntry(int code) {
    for (const EditorMenuEntry& entry : kEntries) {
        if (entry.code == code) {
            return &entry;
        }
    }
    return nullptr;
}
