#include "macro/MacroListModel.h"

#include <gtest/gtest.h>

#include <utility>

#include "macro/MacroNotify.h"

namespace {

using Reports = std::vector<std::pair<int, int>>;

// A list as the macro page has it: 199 pixels high, so 11 rows fit.
struct List {
    Reports reports;
    MacroListModel model{[this](int code, int value) { reports.emplace_back(code, value); }};
    explicit List(int height = 199) {
        model.SetClientSize(150, height);
        model.AttachScrollBar();
        reports.clear();
    }
    void Type(const std::u16string& name) {
        model.OpenNameBox();
        model.SetNameText(name);
        model.CommitNameBox();
    }
};

std::vector<std::u16string> Names(const MacroListModel& model) {
    std::vector<std::u16string> names;
    for (const CBoxItem& row : model.rows()) {
        names.push_back(row.name);
    }
    return names;
}

TEST(MacroList, NewMacrosGetIdentifiersFrom16AndUniqueNames) {
    List list;
    list.Type(u"Run");
    list.Type(u"Run");
    list.Type(u"Run");
    list.Type(u"Run(1)");
    list.Type(u"Walk(x)");
    list.Type(u"Walk(x)");
    EXPECT_EQ(Names(list.model), (std::vector<std::u16string>{u"Run", u"Run(1)", u"Run(2)",
                                                              u"Run(3)", u"Walk(x)", u"Walk(1)"}));
    EXPECT_EQ(list.reports, (Reports{{NM_MACRO_SELECT, 16},
                                     {NM_MACRO_SELECT, 17},
                                     {NM_MACRO_SELECT, 18},
                                     {NM_MACRO_SELECT, 19},
                                     {NM_MACRO_SELECT, 20},
                                     {NM_MACRO_SELECT, 21}}));
    ASSERT_NE(list.model.Selected(), nullptr);
    EXPECT_EQ(list.model.Selected()->itemId, 21);
}

TEST(MacroList, TheNextIdentifierFollowsTheLargestAndSkips255) {
    const struct {
        std::vector<std::int32_t> ids;
        std::int32_t next;
    } cases[] = {
        {{}, 16},     {{3, 7}, 16}, {{16, 40, 17}, 41},
        {{254}, 256}, {{256}, 257}, {{-5}, -4},  // compared unsigned: a negative id counts as huge
    };
    for (const auto& c : cases) {
        std::vector<CBoxItem> rows;
        for (std::int32_t id : c.ids) {
            rows.emplace_back().itemId = id;
        }
        EXPECT_EQ(NextMacroId(rows), c.next) << c.next;
    }
}

TEST(MacroList, DeletingTheLargestFreesItsIdentifier) {
    List list;
    list.Type(u"A");
    list.Type(u"B");
    list.model.DeleteSelected();
    list.Type(u"C");
    EXPECT_EQ(list.model.rows().back().itemId, 17);
}

TEST(MacroList, DeletingSelectsTheNextRowOrThePreviousOne) {
    List list;
    for (const char16_t* name : {u"A", u"B", u"C"}) {
        list.model.AddRow(name, 20 + static_cast<int>(list.model.rows().size()));
    }
    list.model.LeftPress(10, 5 + 18 + 1);  // B
    list.model.LeftRelease(10, 5 + 18 + 1);
    list.reports.clear();

    list.model.DeleteSelected();  // B goes, C moves up into its place
    EXPECT_EQ(list.reports, (Reports{{NM_MACRO_DELETE, 21}, {NM_MACRO_SELECT, 22}}));
    list.reports.clear();
    list.model.DeleteSelected();  // C was last: A is selected
    EXPECT_EQ(list.reports, (Reports{{NM_MACRO_DELETE, 22}, {NM_MACRO_SELECT, 20}}));
    list.reports.clear();
    list.model.DeleteSelected();  // A was the only one
    EXPECT_EQ(list.reports, (Reports{{NM_MACRO_DELETE, 20}, {NM_MACRO_SELECT, 0}}));
    list.reports.clear();
    list.model.DeleteSelected();
    EXPECT_TRUE(list.reports.empty());
}

TEST(MacroList, TheNameBoxCommitsOnceAndAPressThatCommitsSelectsNothing) {
    List list;
    list.model.AddRow(u"A", 16);
    list.model.AddRow(u"B", 17);
    list.reports.clear();

    list.model.OpenNameBox();
    EXPECT_EQ(list.model.nameBox().rect, (Rect{3, 41, 148, 59}));
    list.model.SetNameText(u"");
    list.model.LeftPress(10, 10);  // on A: closes the empty box, adds and selects nothing
    EXPECT_FALSE(list.model.nameBox().visible);
    EXPECT_EQ(list.model.rows().size(), 2u);
    EXPECT_EQ(list.model.Selected()->name, u"B");

    list.model.LeftPress(10, 10);
    EXPECT_EQ(list.model.Selected()->name, u"A");
    EXPECT_TRUE(list.reports.empty()) << "a press reports nothing";
    list.model.LeftRelease(10, 10);
    EXPECT_EQ(list.reports, (Reports{{NM_MACRO_SELECT, 16}}));
    list.model.LeftRelease(10, 150);  // below every row
    EXPECT_EQ(list.reports.size(), 1u);
    EXPECT_FALSE(list.model.CommitNameBox());
}

// The list 199 pixels high holds 11 rows; the 11th overflows by 4 pixels.
TEST(MacroList, ScrollsAtTheBottomOnce199PixelsOverflow) {
    const struct {
        int rows;
        bool scrollBar;
        int lastBottom;
        int firstTop;
    } cases[] = {
        {10, false, 185, 5},
        {11, true, 203, 5},   // the bar shows but its range 11 … 11 moves nothing
        {12, true, 207, -9},  // the top view: the 12th row ends 8 pixels under the edge
        {13, true, 199, -35},
    };
    for (const auto& c : cases) {
        List list;
        for (int i = 0; i < c.rows; ++i) {
            list.model.AddRow(u"M", 16 + i);
        }
        const auto& rows = list.model.rows();
        EXPECT_EQ(list.model.scrollBar().visible, c.scrollBar) << c.rows;
        EXPECT_EQ(rows.back().rect.bottom, c.lastBottom) << c.rows;
        EXPECT_EQ(rows.front().rect.top, c.firstTop) << c.rows;
        EXPECT_EQ(rows.front().rect.right, 148);
    }
}

TEST(MacroList, TheNextRowRectangleMakesRoomAtTheBottom) {
    List list(100);  // 5 rows fit
    EXPECT_EQ(list.model.NextRowRect(), (Rect{3, 0, 148, 18}));
    for (int i = 0; i < 4; ++i) {
        list.model.AddRow(u"M", 16 + i);
    }
    EXPECT_EQ(list.model.NextRowRect(), (Rect{3, 77, 148, 95}));
    list.model.AddRow(u"M", 20);  // bottom 95: one more would end at 113
    EXPECT_EQ(list.model.NextRowRect(), (Rect{3, 80, 148, 98}));
    EXPECT_EQ(list.model.rows().back().rect.bottom, 95 - 15) << "moved up by 13 + 2";
}

TEST(MacroList, ScrollingMovesTheChosenRowToTheBottom) {
    List list;
    for (int i = 0; i < 15; ++i) {
        list.model.AddRow(u"M", 16 + i);
    }
    list.model.ScrollTo(12);
    EXPECT_EQ(list.model.rows()[12].rect.bottom, 199);
    list.model.ScrollTo(11);
    EXPECT_EQ(list.model.rows()[11].rect.bottom, 207);
    for (int ignored : {10, 15, 40}) {
        list.model.ScrollTo(ignored);
        EXPECT_EQ(list.model.rows()[11].rect.bottom, 207) << ignored;
    }
}

}  // namespace
