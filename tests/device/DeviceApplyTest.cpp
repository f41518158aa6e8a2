#include "device/DeviceApply.h"

#include <gtest/gtest.h>

#include "device/DeviceCommands.h"
#include "device/DeviceImage.h"
#include "platform/Trace.h"
#include "sim/SimulatedHidBackend.h"
#include "support/FakeDevices.h"
#include "support/RecordedMessages.h"

namespace {

// Five distinct records, one with a macro, as the profile set would hold them.
std::array<ProfileRecord, 5> FiveRecords() {
    std::array<ProfileRecord, 5> records;
    for (int i = 0; i < 5; ++i) {
        records[i].slotIndex = static_cast<std::uint8_t>(i);
        records[i].name = u"P" + std::u16string(1, char16_t(u'1' + i));
        records[i].dpiLevels[0].x = static_cast<std::uint16_t>(400 * (i + 1));
    }
    records[1].buttons[4] = {4, 14, 16, 4, 0};
    records[1].macros[4] = {u"Run", 16, {{1, 87, 0, 0}, {1, 87, 1, 120}}};
    return records;
}

struct SimRig {
    SimRig() : traced(sim, [this](const std::string& line) { trace.push_back(line); }) {}
    std::array<const ProfileRecord*, 5> Pointers() {
        return {&records[0], &records[1], &records[2], &records[3], &records[4]};
    }
    DeviceApplyReport Apply(std::uint8_t active) {
        return ApplyToDevice(link, Pointers(), active, messages);
    }
    MemorySimStateStore store;
    SimulatedHidBackend sim{store};
    std::vector<std::string> trace;
    TracingHidBackend traced;
    RecordingSleeper sleeper;
    DeviceLink link{traced, sleeper};
    RecordedMessages messages;
    std::array<ProfileRecord, 5> records = FiveRecords();
};

std::vector<std::string> ExpectedApplyTrace(const std::array<ProfileRecord, 5>& records,
                                            std::uint8_t active) {
    const std::string done = "GET 03 01 00 00 00 00 00 00";
    char slot[32];
    std::snprintf(slot, sizeof slot, "SET 03 %02X 00 00 00 00 00 00", active);
    std::vector<std::string> lines = {"SET 03 02 00 00 00 00 00 00", done, slot, done};
    for (const ProfileRecord& record : records) {
        const DeviceImage image = BuildDeviceImage(record);
        for (int half = 0; half < 2; ++half) {
            char header[40];
            std::snprintf(header, sizeof header, "SET 03 00 00 08 %02X %02X 00 00", half,
                          record.slotIndex);
            std::vector<std::uint8_t> block{5};
            block.insert(block.end(), image.bytes.begin() + 1024 * half,
                         image.bytes.begin() + 1024 * (half + 1));
            lines.insert(lines.end(), {header, done, "SET " + HexBytes(block), done});
        }
    }
    lines.insert(lines.end(), {"SET 03 02 00 00 00 00 00 00", done, slot, done});
    return lines;
}

TEST(DeviceApply, WritesAllFiveImagesBetweenTwoSelections) {
    SimRig rig;
    const DeviceApplyReport report = rig.Apply(2);
    EXPECT_EQ(report.outcome, DeviceApplyReport::Outcome::Sent);
    EXPECT_TRUE(report.AllImagesDone());
    EXPECT_TRUE(rig.messages.shown.empty());
    EXPECT_EQ(rig.trace, ExpectedApplyTrace(rig.records, 2));

    std::vector<int> pauses = {10, 10};
    for (int i = 0; i < 5; ++i) {
        pauses.insert(pauses.end(), {10, 50, 10, 50});
    }
    pauses.insert(pauses.end(), {10, 10});
    EXPECT_EQ(rig.sleeper.pauses, pauses);

    const SimState state = rig.store.state();
    EXPECT_EQ(state.activeSlot, 2);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(state.images[i], BuildDeviceImage(rig.records[i]).bytes) << "slot " << i;
    }
}

TEST(DeviceApply, WithoutAMouseNothingIsSent) {
    SimRig rig;
    rig.store.state().plugged = false;
    const DeviceApplyReport report = rig.Apply(0);
    EXPECT_EQ(report.outcome, DeviceApplyReport::Outcome::NoMouse);
    EXPECT_EQ(rig.messages.shown, std::vector<std::string>{"VOSK mouse no found."});
    EXPECT_TRUE(rig.trace.empty());
}

TEST(DeviceApply, ABusyMouseIsWaitedFor) {
    SimRig rig;
    rig.store.state().faults.busyPolls = 3;
    const DeviceApplyReport report = rig.Apply(0);
    EXPECT_EQ(report.outcome, DeviceApplyReport::Outcome::Sent);
    EXPECT_TRUE(report.AllImagesDone());
    EXPECT_EQ(std::vector<int>(rig.sleeper.pauses.begin(), rig.sleeper.pauses.begin() + 5),
              (std::vector<int>{10, 20, 40, 80, 10}));
}

TEST(DeviceApply, FailuresStopTheirStepAndAreReported) {
    struct Case {
        const char* what;
        int failCommand;
        DeviceApplyReport::Outcome outcome;
        int imageResult;
        std::vector<std::string> shown;
    };
    const Case cases[] = {
        {"selection refused",
         0x02,
         DeviceApplyReport::Outcome::SelectFailedBefore,
         0,
         {"set current profile id failed."}},
        {"blocks refused",
         SimFaults::kFailBlock,
         DeviceApplyReport::Outcome::Sent,
         kResultFailed,
         {}},
        {"headers refused", 0x00, DeviceApplyReport::Outcome::Sent, kResultFailed, {}},
    };
    for (const Case& c : cases) {
        SimRig rig;
        rig.store.state().faults.failCommand = c.failCommand;
        const DeviceApplyReport report = rig.Apply(1);
        EXPECT_EQ(report.outcome, c.outcome) << c.what;
        for (int result : report.imageResults) {
            EXPECT_EQ(result, c.imageResult) << c.what;
        }
        EXPECT_EQ(rig.messages.shown, c.shown) << c.what;
    }
}

TEST(DeviceApply, AnOversizedProfileIsRefusedAndTheOthersStillGo) {
    SimRig rig;
    rig.records[3].buttons[0] = {0, 14, 20, 0, 0};
    rig.records[3].buttons[1] = {1, 14, 21, 1, 0};
    rig.records[3].macros[0] = {u"a", 20, std::vector<CMacroEvent>(100, {1, 65, 0, 0})};
    rig.records[3].macros[1] = {u"b", 21, std::vector<CMacroEvent>(65, {1, 66, 0, 0})};
    const DeviceApplyReport report = rig.Apply(0);
    EXPECT_EQ(report.imageResults, (std::array<int, 5>{1, 1, 1, kResultTooLarge, 1}));
    EXPECT_EQ(report.outcome, DeviceApplyReport::Outcome::Sent);
}

TEST(DeviceApply, UnpluggingAtAnyTransferEndsWithAReport) {
    const std::size_t transfers = ExpectedApplyTrace(FiveRecords(), 0).size();
    for (std::size_t n = 0; n <= transfers; ++n) {
        SimRig rig;
        rig.store.state().faults.unplugAfter = int(n);
        const DeviceApplyReport report = rig.Apply(0);
        const bool complete =
            report.outcome == DeviceApplyReport::Outcome::Sent && report.AllImagesDone();
        EXPECT_EQ(complete, n == transfers) << "unplugged after " << n;
        if (n < 4) {
            EXPECT_EQ(report.outcome, DeviceApplyReport::Outcome::SelectFailedBefore) << n;
        }
        if (n < transfers) {
            EXPECT_FALSE(rig.store.state().plugged) << n;
            // Every poll after the unplug is a single failed read: no long waits.
            EXPECT_LE(rig.sleeper.pauses.size(), transfers) << n;
        }
        // Slots sent whole before the unplug hold their image.
        for (int slot = 0; slot < 5; ++slot) {
            if (report.imageResults[slot] == kResultDone) {
                EXPECT_EQ(rig.store.state().images[slot], BuildDeviceImage(rig.records[slot]).bytes)
                    << n << " slot " << slot;
            }
        }
    }
}

}  // namespace
