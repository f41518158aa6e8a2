#include "profile/ProfileRecord.h"

#include <gtest/gtest.h>

namespace {

constexpr auto kMacroCode = static_cast<std::uint8_t>(ButtonFunction::RecordMacro);

ProfileMacro LibraryMacro(std::int32_t id, std::u16string name, int events) {
    ProfileMacro macro{std::move(name), id, {}};
    for (int i = 0; i < events; ++i) {
        macro.events.push_back({1, static_cast<std::int16_t>(0x41 + i), 0, 10 * i});
    }
    return macro;
}

TEST(ProfileRecord, NewRecordHoldsTheFactorySettings) {
    const ProfileRecord record;
    EXPECT_EQ(record.name, u"profile");
    EXPECT_TRUE(record.filePath.empty());
    EXPECT_EQ(record.enabled, 1);
    EXPECT_EQ(record.reservedWord, 179);
    EXPECT_EQ(record.pollingInterval, 1);
    EXPECT_EQ(record.scrollLines, 2);
    EXPECT_EQ(record.dpiLevel, 2);
    for (std::uint32_t color : record.ledColors) {
        EXPECT_EQ(color, 0x06F206u);  // red 6, green 242, blue 6
    }
    EXPECT_EQ(record.dpiLevels[0], (DpiSetting{2000, 2000}));
    EXPECT_EQ(record.dpiLevels[1], (DpiSetting{4000, 4000}));
    EXPECT_EQ(record.dpiLevels[2], (DpiSetting{6000, 6000}));
    EXPECT_EQ(record.pointerSpeed, 5);
    EXPECT_EQ(record.liftDistance, 12);
    EXPECT_EQ(record.ledZones, 15);
    EXPECT_EQ(record.ledEffect, 1);
    for (int i = 0; i < kButtonCount; ++i) {
        EXPECT_EQ(record.buttons[i].macroSlot, i);
        EXPECT_EQ(record.buttons[i].function, i);
        EXPECT_EQ(record.buttons[i].param, 0);
        EXPECT_EQ(record.buttons[i].defaultFunction, i);
        EXPECT_EQ(record.macros[i], ProfileMacro{});
    }
    EXPECT_EQ(ButtonFunctionLabel(record.buttons[6].function), u"Dpi down");
}

TEST(ProfileRecord, DoubleClickDefaultKeepsTheSystemSetting) {
    struct Case {
        std::optional<int> systemMs;
        int expected;
    };
    for (const Case& c : {Case{std::nullopt, 1100}, Case{500, 1100}, Case{400, 1200},
                          Case{100, 1400}, Case{1500, 200}, Case{5000, 200}}) {
        EXPECT_EQ(ProfileRecord(c.systemMs).doubleClickSpeed, c.expected)
            << "system " << c.systemMs.value_or(-1);
    }
}

TEST(ProfileRecord, ResetKeepsIdentityAndMacroCopies) {
    ProfileRecord record;
    record.name = u"Sniper";
    record.filePath = u"/somewhere/Default3.profile";
    record.slotIndex = 2;
    record.macros[3] = LibraryMacro(17, u"Burst", 2);
    record.buttons[3] = {3, kMacroCode, 17, 3, 9};
    record.enabled = 0;
    record.pollingInterval = 8;
    record.accelerationLevel = 3;
    record.dpiLevels[0] = {400, 400};
    record.ledColors[2] = 0x123456;
    record.ledEffect = 20;

    record.ResetToDefaults(700);

    EXPECT_EQ(record.name, u"Sniper");
    EXPECT_EQ(record.filePath, u"/somewhere/Default3.profile");
    EXPECT_EQ(record.slotIndex, 2);
    EXPECT_EQ(record.macros[3], LibraryMacro(17, u"Burst", 2));
    EXPECT_EQ(record.buttons[3].function, 3);
    EXPECT_EQ(record.buttons[3].param, 0);
    EXPECT_EQ(record.buttons[3].spare, 9);
    EXPECT_EQ(record.enabled, 1);
    EXPECT_EQ(record.pollingInterval, 1);
    EXPECT_EQ(record.accelerationLevel, 1);
    EXPECT_EQ(record.doubleClickSpeed, 900);
    EXPECT_EQ(record.dpiLevels[0], (DpiSetting{2000, 2000}));
    EXPECT_EQ(record.ledColors[2], 0x06F206u);
    EXPECT_EQ(record.ledEffect, 1);
}

TEST(ProfileRecord, MacroNameOfAButtonFollowsItsSlot) {
    ProfileRecord record;
    record.macros[4].name = u"Reload";
    EXPECT_EQ(record.MacroNameOf(record.buttons[4]), u"Reload");
    EXPECT_EQ(record.MacroNameOf(record.buttons[0]), u"");
    ButtonAssignment outside{7, kMacroCode, 16, 0, 0};
    EXPECT_EQ(record.MacroNameOf(outside), u"");
}

TEST(ProfileRecord, BindingAMissingMacroRevertsTheButton) {
    ProfileRecord record;
    record.buttons[5] = {5, kMacroCode, 21, 5, 0};
    record.BindMacro(std::nullopt, record.buttons[5]);
    EXPECT_EQ(record.buttons[5].function, 5);
    EXPECT_EQ(record.buttons[5].param, 0);
}

TEST(ProfileRecord, BindingReplacesTheSlotsCopy) {
    ProfileRecord record;
    record.buttons[2] = {2, kMacroCode, 16, 2, 0};
    record.BindMacro(LibraryMacro(16, u"First", 3), record.buttons[2]);
    record.buttons[2].param = 17;
    record.BindMacro(LibraryMacro(17, u"Second", 1), record.buttons[2]);
    EXPECT_EQ(record.macros[2], LibraryMacro(17, u"Second", 1));
    for (int i = 0; i < kButtonCount; ++i) {
        if (i != 2) {
            EXPECT_EQ(record.macros[i], ProfileMacro{}) << "slot " << i;
        }
    }
}

TEST(ProfileRecord, BindingLeavesOtherFunctionsAndBadSlotsAlone) {
    ProfileRecord record;
    record.BindMacro(LibraryMacro(16, u"Run", 2), record.buttons[1]);  // function 1, not 14
    EXPECT_EQ(record.buttons[1].function, 1);
    EXPECT_EQ(record.macros[1], ProfileMacro{});

    ButtonAssignment outside{9, kMacroCode, 16, 0, 0};
    record.BindMacro(LibraryMacro(16, u"Run", 2), outside);
    EXPECT_EQ(outside.function, kMacroCode);
    for (const ProfileMacro& macro : record.macros) {
        EXPECT_EQ(macro, ProfileMacro{});
    }
}

TEST(ProfileRecord, CopiesAreIndependent) {
    ProfileRecord original;
    original.macros[0] = LibraryMacro(16, u"Run", 2);
    ProfileRecord copy = original;
    copy.macros[0].events[0].delay = 999;
    copy.macros[0].events.push_back({17, 151, 0, 0});
    EXPECT_EQ(original.macros[0], LibraryMacro(16, u"Run", 2));
}

}  // namespace
