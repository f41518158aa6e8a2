#include "macro/MacroEditorModel.h"

#include <algorithm>
#include <limits>

#include "macro/EditorMenu.h"
#include "macro/MacroNotify.h"
#include "macro/RowLayout.h"

namespace {

// The delay box takes digits only; a pasted number too large for a delay stops at the largest.
std::int32_t LeadingDigits(const std::u16string& text) {
    std::int64_t value = 0;
    for (char16_t unit : text) {
        if (unit < u'0' || unit > u'9') {
            break;
        }
        value = std::min<std::int64_t>(value * 10 + (unit - u'0'),
                                       std::numeric_limits<std::int32_t>::max());
    }
    return static_cast<std::int32_t>(value);
}

int IndexOf(const CMacro& macro, const CEventItem* event) {
    return event ? static_cast<int>(event - macro.events.data()) : -1;
}

}  // namespace

MacroEditorModel::MacroEditorModel(Notify notify) : notify_(std::move(notify)) {
    scroll_.SetReport([this](int position) { ScrollTo(position); });
}

void MacroEditorModel::AttachScrollBar() {
    scroll_.attached = true;
    scroll_.visible = true;
    const int visible = VisibleRows(client_.bottom - client_.top);
    scroll_.rangeMin = visible;
    scroll_.rangeMax = visible + 1;
    scroll_.SetPosition(visible);
}

MacroLibrary::LoadReport MacroEditorModel::LoadLibrary() {
    ClearCurrentEvents();
    return library_.Load(macroFolder_);
}

MacroLibrary::SaveReport MacroEditorModel::SaveLibrary() {
    return library_.Save(macroFolder_);
}

void MacroEditorModel::SelectMacro(std::int32_t macroId, const std::u16string& name) {
    if (!library_.Find(macroId)) {
        library_.Create(macroId, name, client_);
        scroll_.rangeMax = scroll_.rangeMin + 1;
        scroll_.SetPosition(scroll_.rangeMin);
    }
    current_ = library_.Find(macroId);
    scroll_.rangeMax = static_cast<int>(current_->events.size());
    scroll_.SetPosition(scroll_.rangeMin);
}

void MacroEditorModel::RemoveMacro(std::int32_t macroId) {
    if (current_ && current_->macroId == macroId) {
        current_ = nullptr;
    }
    library_.Remove(macroId);
}

void MacroEditorModel::ClearCurrentEvents() {
    if (current_) {
        current_->events.clear();
    }
}

void MacroEditorModel::AddEvent(std::uint8_t kind, std::int16_t keyCode, std::uint8_t direction,
                                std::int32_t delay, int mode) {
    if (!current_) {
        return;
    }
    auto& events = current_->events;
    std::uint32_t largestId = 0;
    for (const CEventItem& event : events) {
        largestId = std::max(largestId, static_cast<std::uint32_t>(event.itemId));
    }
    CEventItem added;
    added.selected = 1;
    added.itemId = static_cast<std::int32_t>(largestId + 1);
    added.kind = kind;
    added.keyCode = keyCode;
    added.direction = direction;
    added.delay = delay;

    std::size_t at = events.size();
    if (mode == 1) {
        const int selected = IndexOf(*current_, SelectedEvent());
        if (selected < 0) {
            at = 0;
        } else {
            at = std::size_t(selected) + 1;
        }
    }
    for (CEventItem& event : events) {
        event.selected = 0;
    }
    events.insert(events.begin() + std::ptrdiff_t(at), added);
    Layout();
    ShowRow(static_cast<int>(at));
}

void MacroEditorModel::DeleteSelectedEvent() {
    if (!current_) {
        return;
    }
    auto& events = current_->events;
    const int index = IndexOf(*current_, SelectedEvent());
    if (index < 0) {
        return;
    }
    events.erase(events.begin() + index);
    for (std::size_t i = std::size_t(index); i < events.size(); ++i) {
        events[i].rect.MoveBy(-kRowHeight);
    }
    if (std::size_t(index) < events.size()) {
        events[std::size_t(index)].selected = 1;
    } else if (index > 0) {
        events.front().selected = 1;
        ShowRow(0);
    }
}

void MacroEditorModel::Layout() {
    auto& events = current_->events;
    for (std::size_t i = 0; i < events.size(); ++i) {
        events[i].rect = LaidOutRow(static_cast<int>(i), current_->viewRect.right);
    }
    if (!events.empty() && events.back().rect.bottom > current_->viewRect.bottom) {
        SetScrollRange(static_cast<int>(events.size()) - 1);
    }
}

void MacroEditorModel::SetScrollRange(int lastRow) {
    if (!scroll_.visible) {
        return;
    }
    scroll_.rangeMax = lastRow;
    scroll_.SetPosition(lastRow);
}

void MacroEditorModel::ShowRow(int index) {
    if (scroll_.attached) {
        scroll_.SetPosition(index);
    }
}

void MacroEditorModel::ScrollTo(int position) {
    if (!current_ || current_->events.empty()) {
        return;
    }
    auto& events = current_->events;
    const int count = static_cast<int>(events.size());
    const Rect& view = current_->viewRect;
    const int visible = VisibleRows(view.bottom - view.top);
    if (visible > count) {
        return;
    }
    position = std::max(position, visible);
    position = std::min(position, count - 1);
    // The top view (p = V) leaves the row 20 pixels under the edge, so the first row shows whole.
    const int bottom = view.bottom + (position == visible ? 20 : 0);
    MoveRows(events, bottom - events[std::size_t(position)].rect.bottom);
}

void MacroEditorModel::MenuReport(int sender, int code) {
    const EditorMenuEntry* parent = FindEditorMenuEntry(sender);
    const bool fromSubmenu = parent && parent->action == EditorAction::Submenu && parent->parent;
    if (sender == menuId_ || fromSubmenu) {
        RunMenuCommand(code);
    }
}

void MacroEditorModel::RunMenuCommand(int code) {
    const EditorMenuEntry* entry = FindEditorMenuEntry(code);
    if (!entry) {
        return;
    }
    switch (entry->action) {
        case EditorAction::Submenu:
            return;
        case EditorAction::StartRecordBefore:
            insertMode = 1;
            SelectPrevious();
            Send(NM_START_RECORD, 1);
            return;
        case EditorAction::StartRecordAfter:
            insertMode = 1;
            Send(NM_START_RECORD, 2);
            return;
        case EditorAction::InsertDelay:
        case EditorAction::EditDelay:
            OpenDelayBox();
            return;
        case EditorAction::Delete:
            DeleteSelectedEvent();
            return;
        case EditorAction::InsertDown:
            AddEvent(kMouseButtonEvent, entry->keyCode, 0, 0, 1);
            return;
        case EditorAction::InsertUp:
            AddEvent(kMouseButtonEvent, entry->keyCode, 1, 0, 1);
            return;
        case EditorAction::InsertClick:
            AddEvent(kMouseButtonEvent, entry->keyCode, 0, 0, 1);
            AddEvent(kMouseButtonEvent, entry->keyCode, 1, 0, 1);
            return;
        case EditorAction::InsertWheel:
            AddEvent(kWheelEvent, entry->keyCode, 0, 0, 1);
            return;
    }
}

void MacroEditorModel::SelectPrevious() {
    if (!current_) {
        return;
    }
    const int index = IndexOf(*current_, SelectedEvent());
    if (index < 0) {
        return;
    }
    current_->events[std::size_t(index)].selected = 0;
    if (index > 0) {
        current_->events[std::size_t(index) - 1].selected = 1;
    }
}

void MacroEditorModel::OpenDelayBox() {
    const CEventItem* event = current_ ? SelectedEvent() : nullptr;
    if (!event) {
        return;  // nothing to put a delay on
    }
    const Rect& row = event->rect;
    delayBox_.rect = {row.left + 120, row.top + 2, row.left + 120 + 52, row.bottom};
    delayBox_.visible = true;
}

bool MacroEditorModel::CommitDelayBox() {
    if (!delayBox_.visible) {
        return false;
    }
    if (!delayBox_.text.empty()) {
        if (CEventItem* event = current_ ? SelectedEvent() : nullptr) {
            event->delay = LeadingDigits(delayBox_.text);
        }
        delayBox_.text.clear();
    }
    delayBox_.visible = false;
    return true;
}

void MacroEditorModel::LeftPress(int x, int y) {
    if (!CommitDelayBox()) {
        SelectAt(x, y);
    }
}

void MacroEditorModel::LeftRelease(int x, int y) {
    SelectAt(x, y);
}

void MacroEditorModel::SelectAt(int x, int y) {
    if (!current_) {
        return;
    }
    auto& events = current_->events;
    const auto hit = std::find_if(events.begin(), events.end(), [&](const CEventItem& event) {
        return event.rect.Contains(x, y);
    });
    if (hit == events.end()) {
        return;
    }
    for (CEventItem& event : events) {
        event.selected = &event == &*hit ? 1 : 0;
    }
}

CEventItem* MacroEditorModel::SelectedEvent() {
    auto& events = current_->events;
    const auto it = std::find_if(events.begin(), events.end(),
                                 [](const CEventItem& event) { return event.selected != 0; });
    return it == events.end() ? nullptr : &*it;
}

void MacroEditorModel::Send(int code, int value) const {
    if (notify_) {
        notify_(code, value);
    }
}
