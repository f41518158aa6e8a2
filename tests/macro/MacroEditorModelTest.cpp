#include "macro/MacroEditorModel.h"

#include <gtest/gtest.h>

#include <utility>

#include "macro/MacroNotify.h"
#include "support/TempDir.h"

namespace {

using Reports = std::vector<std::pair<int, int>>;

// The editor as the macro page has it: 199 pixels high (11 rows fit), with one macro current.
struct Editor {
    Reports reports;
    MacroEditorModel model{[this](int code, int value) { reports.emplace_back(code, value); }};
    Editor() {
        model.SetClientRect({0, 0, 200, 199});
        model.AttachScrollBar();
        model.SelectMacro(16, u"Run");
    }
    const std::vector<CEventItem>& events() { return model.current()->events; }
    void Key(std::int16_t key, std::uint8_t direction = 0) {
        model.AddEvent(kKeyEvent, key, direction, 0, model.insertMode);
    }
    std::vector<std::int16_t> Keys() {
        std::vector<std::int16_t> keys;
        for (const CEventItem& event : events()) {
            keys.push_back(event.keyCode);
        }
        return keys;
    }
    int SelectedIndex() {
        for (std::size_t i = 0; i < events().size(); ++i) {
            if (events()[i].selected) {
                return static_cast<int>(i);
            }
        }
        return -1;
    }
    void Click(std::size_t row) {
        const Rect& rect = events()[row].rect;
        model.LeftPress(rect.left + 1, rect.top + 1);
        model.LeftRelease(rect.left + 1, rect.top + 1);
    }
};

TEST(MacroEditor, SelectingAnUnknownIdentifierCreatesTheMacro) {
    Editor editor;
    ASSERT_NE(editor.model.current(), nullptr);
    EXPECT_EQ(editor.model.current()->name, u"Run");
    EXPECT_EQ(editor.model.current()->viewRect, (Rect{0, 0, 200, 199}));
    editor.Key(0x41);
    editor.model.SelectMacro(17, u"Walk");
    editor.model.SelectMacro(16, u"ignored");
    EXPECT_EQ(editor.model.current()->name, u"Run");
    EXPECT_EQ(editor.model.library().size(), 2u);

    editor.model.RemoveMacro(16);
    EXPECT_EQ(editor.model.current(), nullptr);
    editor.model.RunMenuCommand(10);  // needs a current macro: nothing happens
    EXPECT_EQ(editor.model.library().Find(16), nullptr);
}

TEST(MacroEditor, AddingAppendsOrInsertsAfterTheSelectionWithFreshItemIds) {
    Editor editor;
    editor.Key('A');
    editor.Key('B');
    editor.Key('C');
    EXPECT_EQ(editor.SelectedIndex(), 2);
    editor.Click(0);
    editor.model.AddEvent(kKeyEvent, 'X', 0, 5, 1);  // after A
    EXPECT_EQ(editor.Keys(), (std::vector<std::int16_t>{'A', 'X', 'B', 'C'}));
    EXPECT_EQ(editor.SelectedIndex(), 1);
    EXPECT_EQ(editor.events()[1].itemId, 4);
    EXPECT_EQ(editor.events()[1].delay, 5);
    for (std::size_t i = 0; i < editor.events().size(); ++i) {
        EXPECT_EQ(editor.events()[i].rect, (Rect{4, 5 + 18 * int(i), 198, 23 + 18 * int(i)}));
    }
    editor.model.AddEvent(kKeyEvent, 'Y', 0, 0, 0);  // mode 0 appends whatever is selected
    EXPECT_EQ(editor.Keys().back(), 'Y');
    EXPECT_EQ(editor.SelectedIndex(), 4);
}

TEST(MacroEditor, StartRecordBeforeTheFirstEventInsertsAtTheStart) {
    Editor editor;
    editor.Key('A');
    editor.Key('B');
    editor.Click(0);
    editor.model.RunMenuCommand(1);
    EXPECT_EQ(editor.reports.back(), (std::pair{NM_START_RECORD, 1}));
    EXPECT_EQ(editor.model.insertMode, 1);
    EXPECT_EQ(editor.SelectedIndex(), -1);
    editor.Key('R');
    editor.Key('S');
    EXPECT_EQ(editor.Keys(), (std::vector<std::int16_t>{'R', 'S', 'A', 'B'}));

    editor.Click(3);
    editor.model.RunMenuCommand(1);  // before B: A is selected, recording goes after it
    EXPECT_EQ(editor.SelectedIndex(), 2);
    editor.model.RunMenuCommand(2);
    EXPECT_EQ(editor.reports.back(), (std::pair{NM_START_RECORD, 2}));
}

TEST(MacroEditor, StartRecordWithoutAMacroStillStartsRecording) {
    MacroEditorModel model([](int, int) {});
    Reports reports;
    MacroEditorModel editor([&](int code, int value) { reports.emplace_back(code, value); });
    editor.RunMenuCommand(1);
    editor.RunMenuCommand(4);
    editor.RunMenuCommand(6);
    EXPECT_EQ(reports, (Reports{{NM_START_RECORD, 1}}));
    EXPECT_FALSE(editor.delayBox().visible);
}

TEST(MacroEditor, MouseAndWheelCommandsInsertTheirEvents) {
    struct Inserted {
        int kind;
        int keyCode;
        int direction;
    };
    const struct {
        int code;
        std::vector<Inserted> inserted;
    } cases[] = {
        {8, {{16, 1, 0}}},
        {13, {{16, 2, 1}}},
        {18, {{16, 4, 0}, {16, 4, 1}}},
        {22, {{16, 167, 0}, {16, 167, 1}}},
        {24, {{16, 166, 0}}},
        {28, {{17, 152, 0}}},
        {29, {{17, 151, 0}}},
    };
    for (const auto& c : cases) {
        Editor editor;
        editor.Key('A');
        editor.Key('B');
        editor.Click(0);
        editor.model.RunMenuCommand(c.code);
        const auto& events = editor.events();
        ASSERT_EQ(events.size(), 2 + c.inserted.size()) << c.code;
        for (std::size_t i = 0; i < c.inserted.size(); ++i) {
            EXPECT_EQ(events[1 + i].kind, c.inserted[i].kind) << c.code;
            EXPECT_EQ(events[1 + i].keyCode, c.inserted[i].keyCode) << c.code;
            EXPECT_EQ(events[1 + i].direction, c.inserted[i].direction) << c.code;
            EXPECT_EQ(events[1 + i].delay, 0) << c.code;
        }
        // "Click" leaves its release selected.
        EXPECT_EQ(editor.SelectedIndex(), static_cast<int>(c.inserted.size())) << c.code;
        EXPECT_EQ(events.back().keyCode, 'B') << c.code;
    }
}

TEST(MacroEditor, MenuReportsComeFromTheMenuOrItsSubmenus) {
    Editor editor;
    editor.model.SetMenuId(123456);
    editor.model.MenuReport(123456, 29);  // a top-level report
    editor.model.MenuReport(7, 8);        // from the "Left button" submenu
    editor.model.MenuReport(3, 8);        // "Insert mouse event" is not a submenu that reports
    editor.model.MenuReport(999, 8);
    editor.model.MenuReport(123456, 3);  // opening a submenu is no command
    EXPECT_EQ(editor.Keys(), (std::vector<std::int16_t>{151, 1}));
}

TEST(MacroEditor, DeletingSelectsTheSuccessorOrTheFirstEvent) {
    Editor editor;
    for (std::int16_t key : {'A', 'B', 'C'}) {
        editor.Key(key);
    }
    editor.Click(1);
    editor.model.RunMenuCommand(6);
    EXPECT_EQ(editor.Keys(), (std::vector<std::int16_t>{'A', 'C'}));
    EXPECT_EQ(editor.SelectedIndex(), 1);
    EXPECT_EQ(editor.events()[1].rect.top, 23) << "moved up one row";
    editor.model.RunMenuCommand(6);  // C was last: A is selected
    EXPECT_EQ(editor.SelectedIndex(), 0);
    editor.model.RunMenuCommand(6);
    EXPECT_TRUE(editor.events().empty());
    editor.model.RunMenuCommand(6);
    EXPECT_TRUE(editor.events().empty());
}

TEST(MacroEditor, DeletingTheLastOfManyShowsTheTopView) {
    Editor editor;
    for (int i = 0; i < 15; ++i) {
        editor.Key(static_cast<std::int16_t>('A' + i));
    }
    EXPECT_EQ(editor.events().back().rect.bottom, 199);
    editor.model.RunMenuCommand(6);
    EXPECT_EQ(editor.SelectedIndex(), 0);
    EXPECT_EQ(editor.events()[11].rect.bottom, 199 + 20);
    EXPECT_EQ(editor.events()[0].rect.top, 3);
}

// 199 pixels hold 11 rows: the 11th moves everything up 4 pixels, the 12th gives the top view
// with the new row out of sight, from the 13th on the newest row ends at the bottom edge.
TEST(MacroEditor, ScrollsAtTheBottomOnce199PixelsOverflow) {
    const struct {
        int events;
        int firstTop;
        int lastBottom;
    } cases[] = {{10, 5, 185}, {11, 1, 199}, {12, 3, 219}, {13, -35, 199}, {20, -161, 199}};
    for (const auto& c : cases) {
        Editor editor;
        for (int i = 0; i < c.events; ++i) {
            editor.Key('A');
        }
        EXPECT_EQ(editor.events().front().rect.top, c.firstTop) << c.events;
        EXPECT_EQ(editor.events().back().rect.bottom, c.lastBottom) << c.events;
    }
}

TEST(MacroEditor, ScrollingClampsToTheRowsThatExist) {
    Editor editor;
    for (int i = 0; i < 20; ++i) {
        editor.Key('A');
    }
    const struct {
        int position;
        int row;
        int bottom;
    } cases[] = {{15, 15, 199}, {0, 11, 219}, {11, 11, 219}, {50, 19, 199}};
    for (const auto& c : cases) {
        editor.model.ScrollTo(c.position);
        EXPECT_EQ(editor.events()[std::size_t(c.row)].rect.bottom, c.bottom) << c.position;
    }
    editor.model.SelectMacro(17, u"Walk");  // an empty macro: nothing to scroll
    editor.model.ScrollTo(15);
    EXPECT_TRUE(editor.model.current()->events.empty());
}

TEST(MacroEditor, TheDelayBoxSetsTheSelectedDelayFromItsDigits) {
    Editor editor;
    editor.Key('A');
    editor.Key('B');
    editor.Click(1);
    editor.model.RunMenuCommand(5);
    ASSERT_TRUE(editor.model.delayBox().visible);
    EXPECT_EQ(editor.model.delayBox().rect, (Rect{124, 25, 176, 41}));

    const struct {
        std::u16string text;
        std::int32_t delay;
    } cases[] = {{u"250", 250}, {u"", 250}, {u"12x", 12}, {u"x", 0}, {u"99999999999", 2147483647}};
    for (const auto& c : cases) {
        editor.model.RunMenuCommand(4);
        editor.model.SetDelayText(c.text);
        EXPECT_TRUE(editor.model.CommitDelayBox());
        EXPECT_EQ(editor.events()[1].delay, c.delay) << "after '" << c.text.size() << "' units";
        EXPECT_TRUE(editor.model.delayBox().text.empty());
    }
    EXPECT_FALSE(editor.model.CommitDelayBox());

    // A press commits and selects nothing; losing the focus keeps the text for next time.
    editor.model.RunMenuCommand(5);
    editor.model.SetDelayText(u"7");
    editor.model.LeftPress(10, 10);
    EXPECT_EQ(editor.events()[1].delay, 7);
    EXPECT_EQ(editor.SelectedIndex(), 1);
    editor.model.RunMenuCommand(5);
    editor.model.SetDelayText(u"8");
    editor.model.HideDelayBox();
    EXPECT_EQ(editor.events()[1].delay, 7);
    EXPECT_EQ(editor.model.delayBox().text, u"8");
}

TEST(MacroEditor, TheMenuOpensOnlyWhileNotRecording) {
    Editor editor;
    EXPECT_TRUE(editor.model.CanOpenMenu());
    editor.model.recording = 1;
    EXPECT_FALSE(editor.model.CanOpenMenu());
}

TEST(MacroEditor, LoadingClearsTheCurrentMacroAndAppendsTheSavedOnes) {
    TempDir home;
    Editor editor;
    editor.model.SetMacroFolder(home / "Macros");
    editor.Key('A');
    editor.model.SelectMacro(17, u"Walk");
    editor.Key('B');
    ASSERT_TRUE(editor.model.SaveLibrary().Saved());

    editor.model.LoadLibrary();
    EXPECT_TRUE(editor.model.current()->events.empty());
    EXPECT_EQ(editor.model.library().size(), 4u);
    EXPECT_EQ(editor.model.library().macros()[3]->events.size(), 1u);
}

}  // namespace
