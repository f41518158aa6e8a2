#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>

#include "macro/Macro.h"
#include "macro/MacroLibrary.h"
#include "macro/ScrollRange.h"

// The macro editor without its painting: it owns the macro library, shows the events of the
// current macro as rows, inserts, edits and deletes events, and scrolls. Reports
// NM_START_RECORD to its owner; the menu widget reports chosen commands to it.
class MacroEditorModel {
  public:
    using Notify = std::function<void(int code, int value)>;

    explicit MacroEditorModel(Notify notify = {});

    // The client rectangle a new macro keeps as its view.
    void SetClientRect(const Rect& client) { client_ = client; }
    // The scroll bar is always visible: range V … V + 1 at position V.
    void AttachScrollBar();
    const ScrollRange& scrollBar() const { return scroll_; }

    void SetMacroFolder(std::filesystem::path folder) { macroFolder_ = std::move(folder); }
    const std::filesystem::path& macroFolder() const { return macroFolder_; }
    MacroLibrary::LoadReport LoadLibrary();
    MacroLibrary::SaveReport SaveLibrary();
    const MacroLibrary& library() const { return library_; }

    CMacro* current() { return current_; }
    // Makes the macro current, creating it under the name when the library has none.
    void SelectMacro(std::int32_t macroId, const std::u16string& name);
    void RemoveMacro(std::int32_t macroId);
    void ClearCurrentEvents();

    // Mode 0 appends; mode 1 inserts after the selected event (at the start when none is
    // selected). The new event is selected and scrolled into view.
    void AddEvent(std::uint8_t kind, std::int16_t keyCode, std::uint8_t direction,
                  std::int32_t delay, int mode);
    void DeleteSelectedEvent();

    // The scroll bar's report, and the two requests the editor sends itself.
    void ScrollTo(int position);
    void ShowRow(int index);
    void SetScrollRange(int lastRow);

    // The context menu: it opens only while not recording. A report comes from the top menu
    // (its identifier) or from one of the six submenus (their parent's code); others are ignored.
    bool CanOpenMenu() const { return recording == 0; }
    void SetMenuId(int id) { menuId_ = id; }
    void MenuReport(int sender, int code);
    void RunMenuCommand(int code);

    struct DelayBox {
        bool visible = false;
        Rect rect;
        std::u16string text;  // what the user has typed (digits only)
    };
    const DelayBox& delayBox() const { return delayBox_; }
    void SetDelayText(std::u16string text) { delayBox_.text = std::move(text); }
    // Sets the selected event's delay from the typed digits and closes the box; an empty text
    // changes nothing. True when the box was open.
    bool CommitDelayBox();
    // The editor lost the focus to another window: the box closes, its text stays.
    void HideDelayBox() { delayBox_.visible = false; }

    // A press commits an open delay box and does nothing else; otherwise press and release
    // select the event under the point.
    void LeftPress(int x, int y);
    void LeftRelease(int x, int y);

    int insertMode = 0;  // where recorded events go; 1 once recording started from the menu
    int recording = 0;   // set by the macro page while it records

  private:
    void Layout();
    void OpenDelayBox();
    void SelectPrevious();
    void SelectAt(int x, int y);
    CEventItem* SelectedEvent();
    void Send(int code, int value) const;

    Notify notify_;
    Rect client_;
    ScrollRange scroll_;
    std::filesystem::path macroFolder_;
    MacroLibrary library_;
    CMacro* current_ = nullptr;
    int menuId_ = 0;
    DelayBox delayBox_;
};
