#include "device/DeviceLink.h"

#include <gtest/gtest.h>

#include "support/FakeDevices.h"

namespace {

// One scripted answer of the busy poll: a status, or a read that fails.
struct Answer {
    int status;  // -1: the read fails
};

TEST(WaitReady, PausesAndReadsAsTheMouseAnswers) {
    struct Case {
        const char* what;
        int firstDelay;
        std::vector<Answer> answers;
        int reads;
        std::vector<int> pauses;
        int result;
    };
    const Case cases[] = {
        {"done at once", 100, {{1}}, 1, {10}, 1},
        {"done after a block", 500, {{1}}, 1, {50}, 1},
        {"failure status ends at once", 100, {{2}}, 1, {10}, 0},
        {"busy three times", 100, {{3}, {3}, {3}, {1}}, 4, {10, 20, 40, 80}, 1},
        {"failed read after busy goes on", 100, {{3}, {-1}, {1}}, 3, {10, 20, 40}, 1},
        {"failed first read ends", 100, {{-1}, {1}}, 1, {10}, 0},
        {"busy for good",
         100,
         {{3}, {3}, {3}, {3}, {3}, {3}, {3}, {3}, {3}, {3}, {1}},
         10,
         {10, 20, 40, 80, 80, 80, 80, 80, 80, 80},
         0},
    };
    for (const Case& c : cases) {
        ScriptedHidBackend hid;
        hid.devices = {VoskVendorInterface()};
        for (const Answer& a : c.answers) {
            a.status < 0 ? hid.AnswerFailure() : hid.Answer(std::uint8_t(a.status));
        }
        RecordingSleeper sleeper;
        DeviceLink link(hid, sleeper);
        ASSERT_EQ(link.OpenDevice(), 1);
        EXPECT_EQ(link.WaitReady(c.firstDelay), c.result) << c.what;
        EXPECT_EQ(hid.log.size(), std::size_t(c.reads)) << c.what;
        EXPECT_EQ(sleeper.pauses, c.pauses) << c.what;
    }
}

TEST(WaitReady, ReadsReportThreeWithEightBytes) {
    ScriptedHidBackend hid;
    hid.devices = {VoskVendorInterface()};
    hid.Answer(1);
    RecordingSleeper sleeper;
    DeviceLink link(hid, sleeper);
    ASSERT_EQ(link.OpenDevice(), 1);
    link.WaitReady(100);
    EXPECT_EQ(hid.log, std::vector<std::string>{"GET 03 01 00 00 00 00 00 00"});
}

TEST(DeviceLink, TransfersWithoutAHandleFailWithoutTouchingTheBackend) {
    ScriptedHidBackend hid;
    hid.Answer(1);
    RecordingSleeper sleeper;
    DeviceLink link(hid, sleeper);
    std::vector<std::uint8_t> report(8, 0);
    report[0] = 3;
    EXPECT_FALSE(link.SetFeature(report));
    EXPECT_FALSE(link.GetFeature(report));
    EXPECT_EQ(link.WaitReady(100), 0);
    EXPECT_TRUE(hid.log.empty());
    EXPECT_EQ(sleeper.pauses, std::vector<int>{10});
}

TEST(DeviceLink, SkipsOtherProductsAndOtherCollections) {
    ScriptedHidBackend hid;
    hid.devices = {
        {"/dev/hidraw0", 0x22D4, 0x1301, {{0x01, 0x02}}},
        {"/dev/hidraw1", 0x22D4, 0x1302, {{0xFF01, 2}}},
        {"/dev/hidraw2", 0x22D5, 0x1301, {{0xFF01, 2}}},
        {"/dev/hidraw3", 0x22D4, 0x1301, {{0xFF01, 1}}},
        {"/dev/hidraw4", 0x22D4, 0x1301, {{0x01, 0x06}, {0xFF01, 2}}},
    };
    RecordingSleeper sleeper;
    DeviceLink link(hid, sleeper);
    ASSERT_EQ(link.OpenDevice(), 1);
    EXPECT_EQ(hid.opened, std::vector<std::string>{"/dev/hidraw4"});
    link.Close();
    EXPECT_EQ(hid.OpenHandles(), 0u);
    EXPECT_FALSE(link.IsOpen());
}

}  // namespace
