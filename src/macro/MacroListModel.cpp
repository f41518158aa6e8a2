#include "macro/MacroListModel.h"

#include <algorithm>
#include <utility>

#include "macro/MacroNotify.h"
#include "macro/RowLayout.h"
#include "profile/DataStream.h"

namespace {

constexpr std::int32_t kFirstMacroId = 16;
constexpr std::int32_t kDefaultCommandsId = 255;

}  // namespace

std::int32_t NextMacroId(const std::vector<CBoxItem>& rows) {
    std::uint32_t largest = kFirstMacroId - 1;
    for (const CBoxItem& row : rows) {
        largest = std::max(largest, static_cast<std::uint32_t>(row.itemId));
    }
    auto next = static_cast<std::int32_t>(largest + 1);
    return next == kDefaultCommandsId ? next + 1 : next;
}

std::u16string UniqueMacroName(std::u16string name, const std::vector<CBoxItem>& rows) {
    auto taken = [&rows](const std::u16string& candidate) {
        return std::any_of(rows.begin(), rows.end(),
                           [&](const CBoxItem& row) { return row.name == candidate; });
    };
    while (taken(name)) {
        // "Run(4)" continues at 5; a name without "(" starts at 1.
        std::u16string base = name;
        std::int64_t n = 0;
        if (const auto open = name.find(u'('); open != std::u16string::npos) {
            base = name.substr(0, open);
            const std::size_t inner = name.size() > open + 1 ? name.size() - open - 2 : 0;
            n = ParseNumberText(name.substr(open + 1, inner));
        }
        const std::string number = std::to_string(n + 1);
        name = base + u"(" + std::u16string(number.begin(), number.end()) + u")";
    }
    return name;
}

MacroListModel::MacroListModel(Notify notify) : notify_(std::move(notify)) {
    scroll_.SetReport([this](int position) { ScrollTo(position); });
}

void MacroListModel::SetClientSize(int width, int height) {
    width_ = width;
    height_ = height;
}

void MacroListModel::AttachScrollBar() {
    scroll_.attached = true;
    scroll_.visible = false;
    const int visible = VisibleRows(height_);
    scroll_.rangeMin = visible;
    scroll_.rangeMax = visible + 1;
    scroll_.SetPosition(visible);
}

void MacroListModel::ScrollTo(int position) {
    const int visible = VisibleRows(height_);
    if (position < visible || position >= static_cast<int>(rows_.size())) {
        return;
    }
    // The top view (p = V) leaves the row 8 pixels under the edge, so the first row shows whole.
    const int bottom = height_ + (position == visible ? 8 : 0);
    MoveRows(rows_, bottom - rows_[std::size_t(position)].rect.bottom);
}

const CBoxItem* MacroListModel::Selected() const {
    for (const CBoxItem& row : rows_) {
        if (row.selected) {
            return &row;
        }
    }
    return nullptr;
}

void MacroListModel::AddRow(std::u16string name, std::int32_t itemId) {
    Append(std::move(name), itemId);
}

void MacroListModel::AddTypedRow(std::u16string typed) {
    const std::int32_t id = NextMacroId(rows_);
    Append(UniqueMacroName(std::move(typed), rows_), id);
}

void MacroListModel::Append(std::u16string name, std::int32_t itemId) {
    SelectOnly(nullptr);
    CBoxItem row;
    row.rect = NextRowRect();
    row.name = std::move(name);
    row.selected = 1;
    row.itemId = itemId;
    rows_.push_back(std::move(row));
    Layout();
    Send(NM_MACRO_SELECT, itemId);
}

void MacroListModel::DeleteSelected() {
    const auto it = std::find_if(rows_.begin(), rows_.end(),
                                 [](const CBoxItem& row) { return row.selected != 0; });
    if (it == rows_.end()) {
        return;
    }
    const auto index = std::size_t(it - rows_.begin());
    Send(NM_MACRO_DELETE, it->itemId);
    rows_.erase(it);
    if (index < rows_.size()) {
        rows_[index].selected = 1;
        Send(NM_MACRO_SELECT, rows_[index].itemId);
    } else if (index == 0) {
        Send(NM_MACRO_SELECT, 0);  // the list is empty
    } else {
        rows_[index - 1].selected = 1;
        Send(NM_MACRO_SELECT, rows_[index - 1].itemId);
    }
    Layout();
}

Rect MacroListModel::NextRowRect() {
    int top = 0;
    if (!rows_.empty()) {
        const int overflow = rows_.back().rect.bottom + kRowHeight - height_;
        if (overflow > 0) {
            MoveRows(rows_, -(overflow + 2));
            top = height_ - 20;
        } else {
            top = rows_.back().rect.bottom;
        }
    }
    return {3, top, width_ - 2, top + kRowHeight};
}

void MacroListModel::Layout() {
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        rows_[i].rect = LaidOutRow(static_cast<int>(i), width_);
    }
    if (!scroll_.attached) {
        return;
    }
    if (!rows_.empty() && rows_.back().rect.bottom > height_) {
        scroll_.visible = true;
        const int count = static_cast<int>(rows_.size());
        scroll_.rangeMax = count;
        scroll_.SetPosition(count - 1);
    } else {
        scroll_.visible = false;
    }
}

void MacroListModel::OpenNameBox() {
    nameBox_.rect = NextRowRect();
    nameBox_.visible = true;
}

bool MacroListModel::CommitNameBox() {
    if (!nameBox_.visible) {
        return false;
    }
    if (!nameBox_.text.empty()) {
        AddTypedRow(std::exchange(nameBox_.text, {}));
    }
    nameBox_.visible = false;
    return true;
}

void MacroListModel::LeftPress(int x, int y) {
    if (CommitNameBox()) {
        return;
    }
    if (CBoxItem* row = RowAt(x, y)) {
        SelectOnly(row);
    }
}

void MacroListModel::LeftRelease(int x, int y) {
    if (CBoxItem* row = RowAt(x, y)) {
        SelectOnly(row);
        Send(NM_MACRO_SELECT, row->itemId);
    }
}

CBoxItem* MacroListModel::RowAt(int x, int y) {
    for (CBoxItem& row : rows_) {
        if (row.rect.Contains(x, y)) {
            return &row;
        }
    }
    return nullptr;
}

void MacroListModel::SelectOnly(CBoxItem* selected) {
    for (CBoxItem& row : rows_) {
        row.selected = &row == selected ? 1 : 0;
    }
}

void MacroListModel::Send(int code, int value) const {
    if (notify_) {
        notify_(code, value);
    }
}
