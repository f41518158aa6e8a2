#include "updater/BootloaderLink.h"

#include <gtest/gtest.h>

#include "UpdaterRig.h"
#include "support/FakeDevices.h"

namespace {

TEST(BootloaderLink, FindsOnlyTheVendorCollectionOfTheProduct) {
    UpdaterRig rig(false);
    EXPECT_EQ(rig.link.FindDevice(kMouseVendorId, kMouseBootloaderProductId), 0);
    EXPECT_EQ(rig.sim.OpenHandles(), 0u);
    ASSERT_EQ(rig.link.FindDevice(kMouseVendorId, kMouseNormalProductId), 1);
    EXPECT_EQ(rig.sim.OpenHandles(), 1u);
    // It talks: the handle is the vendor collection's (the others take no reports).
    EXPECT_EQ(rig.link.SendCommand(kCmdEnterBootloader), 1);
    rig.link.CloseDevice();
    EXPECT_EQ(rig.sim.OpenHandles(), 0u);
}

TEST(BootloaderLink, BusyAnswersArePolledWithGrowingWaits) {
    const struct {
        int busy;
        int result;
        std::vector<int> waits;
    } cases[] = {
        {0, 1, {100}},
        {3, 1, {100, 100, 200, 400}},
        {7, 1, {100, 100, 200, 400, 600, 1500, 500, 1500}},
        {25, 0, {100,  100,  200,  400,  600,  1500, 500,  1500, 1500, 1500,
                 1500, 1500, 1500, 1500, 1500, 1500, 1500, 1500, 1500, 1500}},
    };
    for (const auto& c : cases) {
        UpdaterRig rig;
        ASSERT_EQ(rig.link.FindDevice(kMouseVendorId, kMouseBootloaderProductId), 1);
        rig.state().faults.busyPolls = c.busy;
        EXPECT_EQ(rig.link.SendCommand(kCmdPrepareFlash), c.result) << c.busy;
        EXPECT_EQ(rig.waiter.waits, c.waits) << c.busy;
        EXPECT_EQ(rig.Count("SET 20 06 09 00 00 02 00 00 00"), 1);
    }
}

TEST(BootloaderLink, AStopDuringAPollReadsNothingMore) {
    UpdaterRig rig;
    ASSERT_EQ(rig.link.FindDevice(kMouseVendorId, kMouseBootloaderProductId), 1);
    rig.state().faults.busyPolls = 10;
    rig.waiter.stopAfter = 3;
    EXPECT_EQ(rig.link.SendCommand(kCmdPrepareFlash), 0);
    EXPECT_EQ(rig.waiter.waits.size(), 3u);
    EXPECT_EQ(rig.Count("GET 20 03 00 00 00 00 00 00 00 00"), 2);
}

TEST(BootloaderLink, ReportsCarryTheirBytes) {
    UpdaterRig rig;
    ASSERT_EQ(rig.link.FindDevice(kMouseVendorId, kMouseBootloaderProductId), 1);
    EXPECT_EQ(rig.link.SetImageSize(204800), 1);
    EXPECT_EQ(rig.link.PrepareFlash(), 1);
    EXPECT_EQ(rig.link.BlockHeader(0, 0x1234), 1);
    const std::vector<std::string> sets = [&] {
        std::vector<std::string> s;
        for (const std::string& line : rig.trace) {
            if (line.rfind("SET", 0) == 0) {
                s.push_back(line);
            }
        }
        return s;
    }();
    EXPECT_EQ(sets, (std::vector<std::string>{
                        "SET 20 06 09 00 00 01 00 00 00",
                        "SET 21 00 20 03 00 4F 53 54 52 00",
                        "SET 20 06 09 00 00 02 00 00 00",
                        "SET 21 EC 00 00 00 00 00 00 00 00",
                        "SET 20 06 09 00 00 03 00 00 00",
                        "SET 21 00 00 34 12 4F 53 54 52 00",
                    }));
    EXPECT_EQ(HexBytes(BlockHeaderReport(2, 0x1234)), "21 02 00 34 12 4F 53 54 52 00");
    EXPECT_EQ(HexBytes(CommandReport(kCmdEnterBootloader)), "20 06 09 00 00 08 00 00");
    EXPECT_EQ(HexBytes(CommandReport(kCmdBlockData)), "20 06 01 04 00 04 00 00 00");
}

TEST(BootloaderLink, SendAgainResendsTheSameReport) {
    UpdaterRig rig;
    ASSERT_EQ(rig.link.FindDevice(kMouseVendorId, kMouseBootloaderProductId), 1);
    ASSERT_EQ(rig.link.SetImageSize(1024), 1);
    ASSERT_EQ(rig.link.PrepareFlash(), 1);
    std::vector<std::uint8_t> block(1024);
    for (std::size_t i = 0; i < block.size(); ++i) {
        block[i] = static_cast<std::uint8_t>(i * 7);
    }
    ASSERT_EQ(rig.link.BlockHeader(0, BlockChecksum(block.data(), block.size())), 1);
    rig.trace.clear();
    rig.state().faults.resendReports = 1;
    EXPECT_EQ(rig.link.BlockData(block), 1);
    std::vector<std::uint8_t> report = {kBootBlockReport};
    report.insert(report.end(), block.begin(), block.end());
    EXPECT_EQ(rig.Count("SET " + HexBytes(report)), 2);
    EXPECT_EQ(rig.Count("GET 20 04 00 00 00 00 00 00 00 00"), 1);
    EXPECT_EQ(rig.state().boot.blocksReceived, 1);
}

TEST(BootloaderLink, AFailedSendStopsAtOnce) {
    ScriptedHidBackend hid;
    hid.devices = {{"/dev/hidraw4", kMouseVendorId, kMouseBootloaderProductId, {{0xFF01, 2}}}};
    hid.failSets = true;
    RecordingWaiter waiter;
    BootloaderLink link(hid, waiter);
    ASSERT_EQ(link.FindDevice(kMouseVendorId, kMouseBootloaderProductId), 1);
    EXPECT_EQ(link.SetImageSize(10), 0);
    EXPECT_TRUE(waiter.waits.empty());
    EXPECT_EQ(link.Finish(), 0) << "a finish that never left";
    hid.failSets = false;
    EXPECT_EQ(link.Finish(), 1) << "the answer does not matter";
}

TEST(Waiter, WaitsInSlicesAndEndsEarlyOnStop) {
    RecordingSleeper sleeper;
    std::atomic<bool> stop{false};
    SlicedWaiter waiter(sleeper, stop);
    EXPECT_TRUE(waiter.Wait(5500));
    EXPECT_EQ(sleeper.pauses, std::vector<int>(55, 100));
    sleeper.pauses.clear();
    EXPECT_TRUE(waiter.Wait(150));
    EXPECT_EQ(sleeper.pauses, std::vector<int>{100});

    class StoppingSleeper : public Sleeper {
      public:
        explicit StoppingSleeper(std::atomic<bool>& stop) : stop_(stop) {}
        void SleepMs(int) override {
            if (++slices == 3) {
                stop_ = true;
            }
        }
        int slices = 0;

      private:
        std::atomic<bool>& stop_;
    } stopping(stop);
    SlicedWaiter interrupted(stopping, stop);
    EXPECT_FALSE(interrupted.Wait(5000));
    EXPECT_EQ(stopping.slices, 3);
}

}  // namespace
