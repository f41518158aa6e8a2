#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "macro/Macro.h"
#include "macro/ScrollRange.h"

// One row of the macro list.
struct CBoxItem {
    Rect rect;
    std::u16string name;
    std::int32_t selected = 0;
    std::int32_t itemId = 0;                     // the macro's identifier
    std::uint32_t textColor = 0xBEBEBE;          // colour reference
    std::uint32_t selectedTextColor = 0x35D3B3;  // the accent, red 179 green 211 blue 53
};

// The identifier a new macro gets: one more than the larger of 15 and the largest in the list,
// compared unsigned. 255 is skipped: the button page's menu uses it for "Default Commands".
std::int32_t NextMacroId(const std::vector<CBoxItem>& rows);

// Run, Run(1), Run(2) …: the typed name, rewritten until no row has it (exact comparison).
std::u16string UniqueMacroName(std::u16string name, const std::vector<CBoxItem>& rows);

// The macro list of the macro page without its painting: rows, the name box in which a new macro
// is named, selection, deletion and scrolling. Reports NM_MACRO_SELECT and NM_MACRO_DELETE.
class MacroListModel {
  public:
    using Notify = std::function<void(int code, int value)>;

    explicit MacroListModel(Notify notify = {});

    void SetClientSize(int width, int height);
    int width() const { return width_; }
    int height() const { return height_; }

    // The scroll bar starts hidden with the range V … V + 1 at position V.
    void AttachScrollBar();
    const ScrollRange& scrollBar() const { return scroll_; }
    // The scroll bar's report: position p at the bottom edge.
    void ScrollTo(int position);

    const std::vector<CBoxItem>& rows() const { return rows_; }
    const CBoxItem* Selected() const;

    // A row for a macro the library already holds (the page opening).
    void AddRow(std::u16string name, std::int32_t itemId);
    // A row for a new macro named in the name box: next identifier, name made unique.
    void AddTypedRow(std::u16string typed);
    // Deletes the selected row and selects its successor, or the row before the last.
    void DeleteSelected();

    // Where the next row goes; when the list is full, every row moves up to make room.
    Rect NextRowRect();

    struct NameBox {
        bool visible = false;
        Rect rect;
        std::u16string text;  // what the user has typed
    };
    const NameBox& nameBox() const { return nameBox_; }
    void OpenNameBox();
    void SetNameText(std::u16string text) { nameBox_.text = std::move(text); }
    // Adds the typed name as a new macro (nothing for an empty one) and closes the box; true
    // when the box was open.
    bool CommitNameBox();

    // Mouse: a press commits an open name box and does nothing else; otherwise press and
    // release select the row under the point, and the release reports it.
    void LeftPress(int x, int y);
    void LeftRelease(int x, int y);

  private:
    void Append(std::u16string name, std::int32_t itemId);
    void Layout();
    CBoxItem* RowAt(int x, int y);
    void SelectOnly(CBoxItem* row);
    void Send(int code, int value) const;

    Notify notify_;
    int width_ = 0;
    int height_ = 0;
    ScrollRange scroll_;
    std::vector<CBoxItem> rows_;
    NameBox nameBox_;
};
