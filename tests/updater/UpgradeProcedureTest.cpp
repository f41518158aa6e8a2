#include "updater/UpgradeProcedure.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <future>

#include "UpdaterRig.h"
#include "support/FakeDevices.h"
#include "updater/UpgradeWorker.h"

namespace {

FirmwareImage Image(std::size_t size) {
    std::vector<std::uint8_t> bytes(size);
    for (std::size_t i = 0; i < size; ++i) {
        bytes[i] = static_cast<std::uint8_t>(i * 31 + i / 1024);
    }
    FirmwareImage image;
    EXPECT_EQ(MakeFirmwareImage(std::move(bytes), image), FirmwareLoadError::None);
    return image;
}

struct Outcome {
    bool succeeded = false;
    std::vector<int> progress;
    std::vector<std::string> messages;
};

Outcome Upgrade(UpdaterRig& rig, const FirmwareImage& image) {
    Outcome run;
    run.succeeded = RunUpgrade(rig.link, rig.waiter, image,
                               {[&](int block) { run.progress.push_back(block); },
                                [&](const std::string& text) { run.messages.push_back(text); }});
    return run;
}

std::vector<std::uint8_t> Flashed(const FirmwareImage& image) {
    return {image.bytes.begin(), image.bytes.begin() + std::ptrdiff_t(image.size)};
}

TEST(Upgrade, RestartsTheMouseAndFlashesEveryBlock) {
    UpdaterRig rig(false);
    const FirmwareImage image = Image(3000);
    const Outcome run = Upgrade(rig, image);
    ASSERT_TRUE(run.succeeded);
    EXPECT_TRUE(run.messages.empty());
    EXPECT_EQ(run.progress, (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(rig.state().boot.firmware, Flashed(image));
    EXPECT_FALSE(rig.state().bootloader) << "back in normal mode";
    EXPECT_TRUE(rig.Sent("SET 20 06 09 00 00 08 00 00"));
    EXPECT_TRUE(rig.Sent("SET 21 56 4F 53 4B 44 46 55 21 00"));
    // The restart request and its answer, the restart's pauses, then three failed searches
    // while the mouse is away.
    const std::vector<int> start(rig.waiter.waits.begin(), rig.waiter.waits.begin() + 10);
    EXPECT_EQ(start, (std::vector<int>{100, 500, 100, 500, 5000, 500, 1000, 1000, 1000, 100}));
}

TEST(Upgrade, AMouseInItsBootloaderIsFlashedWithoutTheRestart) {
    UpdaterRig rig(true);
    const FirmwareImage image = Image(2048);
    const Outcome run = Upgrade(rig, image);
    ASSERT_TRUE(run.succeeded);
    EXPECT_FALSE(rig.Sent("SET 20 06 09 00 00 08"));
    EXPECT_EQ(rig.waiter.waits.front(), 500);
    EXPECT_EQ(std::count(rig.waiter.waits.begin(), rig.waiter.waits.end(), 5000), 0);
    EXPECT_EQ(run.progress, (std::vector<int>{0, 1}));
    EXPECT_EQ(rig.state().boot.firmware, Flashed(image));
}

TEST(Upgrade, ALateBootloaderAddsFiveSeconds) {
    const struct {
        int away;
        int extra;
    } cases[] = {{9, 0}, {11, 1}};
    for (const auto& c : cases) {
        UpdaterRig rig(true);
        // The search for the normal-mode mouse comes first; then `away` searches miss.
        rig.state().boot.searchesUntilBack = c.away + 1;
        ASSERT_TRUE(Upgrade(rig, Image(10)).succeeded);
        const auto& w = rig.waiter.waits;
        EXPECT_EQ(std::count(w.begin(), w.end(), 1000), c.away);
        EXPECT_EQ(std::count(w.begin(), w.end(), 5000), c.extra) << c.away;
        if (c.extra) {
            EXPECT_EQ(w[std::size_t(1 + c.away)], 5000);
        }
    }
}

TEST(Upgrade, FailuresEndWithTheirMessage) {
    {
        UpdaterRig rig(false);
        rig.state().plugged = false;
        const Outcome run = Upgrade(rig, Image(10));
        EXPECT_FALSE(run.succeeded);
        EXPECT_EQ(run.messages, std::vector<std::string>{kBootloaderNotFound});
        EXPECT_EQ(std::count(rig.waiter.waits.begin(), rig.waiter.waits.end(), 1000), 179);
    }
    {
        UpdaterRig rig(false);
        rig.state().faults.busyPolls = 100;  // the restart request is never answered
        const Outcome run = Upgrade(rig, Image(10));
        EXPECT_FALSE(run.succeeded);
        EXPECT_EQ(run.messages, std::vector<std::string>{kEnterBootloaderFailed});
    }
}

TEST(Upgrade, ATransferFailureEndsSilentlyWithoutAHang) {
    const FirmwareImage image = Image(150 * 1024);
    {
        UpdaterRig rig(false);
        rig.state().faults.unplugAtBlock = 40;
        const Outcome run = Upgrade(rig, image);
        EXPECT_FALSE(run.succeeded);
        EXPECT_TRUE(run.messages.empty());
        ASSERT_EQ(run.progress.size(), 40u);
        EXPECT_EQ(run.progress.back(), 39);
        EXPECT_TRUE(rig.state().boot.firmware.empty());
    }
    {
        UpdaterRig rig(true);
        rig.state().faults.badChecksumAtBlock = 3;
        const Outcome run = Upgrade(rig, image);
        EXPECT_FALSE(run.succeeded);
        EXPECT_EQ(run.progress.size(), 3u);
        EXPECT_TRUE(rig.state().bootloader) << "an incomplete image is never started";
    }
}

TEST(Upgrade, EveryTransferThatCanFailIsSurvived) {
    const FirmwareImage image = Image(1500);
    int transfers = 0;
    {
        UpdaterRig rig(false);
        ASSERT_TRUE(Upgrade(rig, image).succeeded);
        transfers = static_cast<int>(rig.state().transfers);
    }
    for (int n = 1; n <= transfers; ++n) {
        UpdaterRig rig(false);
        rig.state().faults.failTransferIn = n;
        const Outcome run = Upgrade(rig, image);
        if (run.succeeded) {
            EXPECT_EQ(rig.state().boot.firmware, Flashed(image)) << n;
        } else {
            EXPECT_LE(run.messages.size(), 1u) << n;
        }
    }
}

TEST(UpgradeWorker, RunsOnItsThreadAndStopsWhenDestroyed) {
    MemorySimStateStore store;
    SimulatedHidBackend sim(store);
    store.state().faults.restartSearches = 0;
    RecordingSleeper sleeper;
    std::promise<bool> done;
    std::vector<int> progress;
    const FirmwareImage image = Image(4096);
    {
        UpgradeWorker worker(sim, sleeper, {[&](int block) { progress.push_back(block); }, {}},
                             [&](bool succeeded) { done.set_value(succeeded); });
        worker.Start(image);
        std::future<bool> result = done.get_future();
        ASSERT_EQ(result.wait_for(std::chrono::seconds(30)), std::future_status::ready);
        EXPECT_TRUE(result.get());
    }
    EXPECT_EQ(progress, (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(store.state().boot.firmware, Flashed(image));

    // A worker that never started ends at once.
    UpgradeWorker idle(sim, sleeper, {}, {});
}

}  // namespace
