#include "device/DeviceCommands.h"

#include <gtest/gtest.h>

#include "support/FakeDevices.h"
#include "support/RecordedMessages.h"

namespace {

struct Rig {
    Rig() {
        hid.devices = {VoskVendorInterface()};
        EXPECT_EQ(link.OpenDevice(), 1);
    }
    std::vector<std::string> Sets() const {
        std::vector<std::string> sets;
        for (const std::string& line : hid.log) {
            if (line.rfind("SET", 0) == 0) {
                sets.push_back(line);
            }
        }
        return sets;
    }
    ScriptedHidBackend hid;
    RecordingSleeper sleeper;
    DeviceLink link{hid, sleeper};
    RecordedMessages messages;
};

TEST(DeviceCommands, SetActiveProfileAnnouncesThenSendsTheSlot) {
    Rig rig;
    rig.hid.Answer(1);
    rig.hid.Answer(1);
    EXPECT_EQ(SetActiveProfile(rig.link, 4), kResultDone);
    EXPECT_EQ(rig.hid.log, (std::vector<std::string>{
                               "SET 03 02 00 00 00 00 00 00", "GET 03 01 00 00 00 00 00 00",
                               "SET 03 04 00 00 00 00 00 00", "GET 03 01 00 00 00 00 00 00"}));
    EXPECT_EQ(rig.sleeper.pauses, (std::vector<int>{10, 10}));
}

TEST(DeviceCommands, SetActiveProfileFailsWhenAPollFails) {
    Rig rig;
    rig.hid.Answer(1);
    rig.hid.Answer(2);
    EXPECT_EQ(SetActiveProfile(rig.link, 1), kResultFailed);
    Rig unsent;
    unsent.hid.failSets = true;
    EXPECT_EQ(SetActiveProfile(unsent.link, 1), kResultFailed);
    EXPECT_EQ(unsent.hid.log.size(), 1u);  // no poll after a failed send
}

TEST(DeviceCommands, LiftOffValuesAreClampedToSixThroughThirtyOne) {
    struct Case {
        int slider;
        const char* test;
        const char* save;
    };
    const Case cases[] = {
        {3, "SET 03 31 01 06 00 00 00 00", "SET 03 31 02 06 00 00 00 00"},
        {12, "SET 03 31 01 0C 00 00 00 00", "SET 03 31 02 0C 00 00 00 00"},
        {40, "SET 03 31 01 1F 00 00 00 00", "SET 03 31 02 1F 00 00 00 00"},
    };
    for (const Case& c : cases) {
        Rig rig;
        rig.hid.Answer(1);
        rig.hid.Answer(1);
        TestLiftOff(rig.link, c.slider, rig.messages);
        SaveLiftOff(rig.link, c.slider, rig.messages);
        EXPECT_EQ(rig.Sets(), (std::vector<std::string>{c.test, c.save}));
        EXPECT_TRUE(rig.messages.shown.empty());
    }
}

TEST(DeviceCommands, LiftOffSendFailuresAreShownAndPollFailuresAreNot) {
    Rig rig;
    rig.hid.failSets = true;
    TestLiftOff(rig.link, 12, rig.messages);
    SaveLiftOff(rig.link, 12, rig.messages);
    EXPECT_EQ(rig.messages.shown,
              (std::vector<std::string>{"Test_LOD failed.", "Save_LOD failed."}));

    Rig polled;
    polled.hid.Answer(2);
    TestLiftOff(polled.link, 12, polled.messages);
    EXPECT_TRUE(polled.messages.shown.empty());
}

TEST(DeviceCommands, LiftOffOpensTheMouseOrReturnsSilently) {
    ScriptedHidBackend hid;
    RecordingSleeper sleeper;
    DeviceLink link(hid, sleeper);
    RecordedMessages messages;
    TestLiftOff(link, 12, messages);  // no mouse: nothing sent, nothing shown
    EXPECT_TRUE(hid.log.empty());
    EXPECT_TRUE(messages.shown.empty());

    hid.devices = {VoskVendorInterface()};
    hid.Answer(1);
    SaveLiftOff(link, 12, messages);
    EXPECT_TRUE(link.IsOpen());
    EXPECT_EQ(hid.log.front(), "SET 03 31 02 0C 00 00 00 00");
}

TEST(DeviceCommands, ReadActiveProfileTakesOnlySlotsZeroToFour) {
    struct Case {
        std::uint8_t reply;
        std::uint8_t slotAfter;
    };
    for (const Case& c : {Case{2, 2}, Case{4, 4}, Case{7, 9}}) {
        Rig rig;
        rig.hid.Answer(1);
        rig.hid.Answer(c.reply);
        std::uint8_t slot = 9;
        EXPECT_EQ(ReadActiveProfile(rig.link, slot), kResultDone);
        EXPECT_EQ(slot, c.slotAfter);
        EXPECT_EQ(rig.hid.log.front(), "SET 03 03 00 00 00 00 00 00");
    }
    Rig unread;
    unread.hid.Answer(1);
    unread.hid.AnswerFailure();
    std::uint8_t slot = 9;
    EXPECT_EQ(ReadActiveProfile(unread.link, slot), 0);
    Rig busy;
    busy.hid.Answer(2);
    EXPECT_EQ(ReadActiveProfile(busy.link, slot), kResultFailed);
}

TEST(DeviceCommands, FirmwareVersionComesFromReportFour) {
    Rig rig;
    rig.hid.Answer(1);
    std::vector<std::uint8_t> data(64, 0);
    data[0] = 4;
    data[1] = 0x65;
    rig.hid.answers.push_back(data);
    int version = 0;
    EXPECT_EQ(ReadFirmwareVersion(rig.link, version), kResultDone);
    EXPECT_EQ(version, 101);
    EXPECT_EQ(FormatFirmwareVersion(version), "1.01");
    EXPECT_EQ(rig.hid.log[0], "SET 03 04 00 00 00 00 00 00");
    EXPECT_EQ(rig.hid.log[2].size(), 4u + 64 * 3 - 1);  // a 64-byte read

    Rig unread;
    unread.hid.Answer(1);
    unread.hid.AnswerFailure();
    version = 55;
    EXPECT_EQ(ReadFirmwareVersion(unread.link, version), kResultDone);
    EXPECT_EQ(version, 0);
}

TEST(DeviceCommands, SurfaceAnalysisStartsWithAPollAndReadsAtOnce) {
    Rig rig;
    rig.hid.Answer(2);        // the start's poll result is ignored
    rig.hid.Answer(1, 0x57);  // the result, read without a poll
    StartSurfaceAnalysis(rig.link);
    int raw = 0;
    EXPECT_EQ(ReadSurfaceAnalysis(rig.link, raw), kResultDone);
    EXPECT_EQ(raw, 0x57);
    EXPECT_EQ(rig.hid.log, (std::vector<std::string>{
                               "SET 03 30 01 00 00 00 00 00", "GET 03 02 00 00 00 00 00 00",
                               "SET 03 30 02 00 00 00 00 00", "GET 03 01 57 00 00 00 00 00"}));
    EXPECT_EQ(rig.sleeper.pauses, std::vector<int>{10});
}

}  // namespace
