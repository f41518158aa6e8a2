#include <gtest/gtest.h>

#include "device/DeviceCommands.h"
#include "device/DeviceImage.h"
#include "sim/SimFirmware.h"
#include "sim/SimulatedHidBackend.h"
#include "support/FakeDevices.h"
#include "support/TempDir.h"

namespace {

class NoMessages : public Messages {
  public:
    void Show(const std::string& text) override { ADD_FAILURE() << text; }
};

TEST(SimulatedMouse, ShowsThreeInterfacesAndOnlyTheVendorOneTalks) {
    MemorySimStateStore store;
    SimulatedHidBackend sim(store);
    const auto devices = sim.Enumerate();
    ASSERT_EQ(devices.size(), 3u);
    EXPECT_EQ(devices[0].collections, (std::vector<HidCollection>{{0x01, 0x02}}));
    std::error_code error;
    const auto keyboard = sim.Open("sim:hidraw1", error);
    ASSERT_NE(keyboard, HidBackend::kInvalidHandle);
    const std::vector<std::uint8_t> request = {3, 4, 0, 0, 0, 0, 0, 0};
    EXPECT_FALSE(sim.SetFeature(keyboard, request));
    EXPECT_EQ(sim.Open("sim:nothing", error), HidBackend::kInvalidHandle);

    RecordingSleeper sleeper;
    DeviceLink link(sim, sleeper);
    ASSERT_EQ(link.OpenDevice(), 1);
    sim.Close(keyboard);
    EXPECT_EQ(sim.OpenHandles(), 1u);
}

TEST(SimulatedMouse, AnswersTheCommands) {
    MemorySimStateStore store;
    store.state().firmwareVersion = 0x0166;
    store.state().surfaceRaw = 95;
    SimulatedHidBackend sim(store);
    RecordingSleeper sleeper;
    DeviceLink link(sim, sleeper);
    ASSERT_EQ(link.OpenDevice(), 1);
    NoMessages messages;

    int version = 0;
    EXPECT_EQ(ReadFirmwareVersion(link, version), kResultDone);
    EXPECT_EQ(version, 0x0166);
    for (std::uint8_t slot : {3, 1, 4}) {
        EXPECT_EQ(SetActiveProfile(link, slot), kResultDone);
        std::uint8_t read = 9;
        EXPECT_EQ(ReadActiveProfile(link, read), kResultDone);
        EXPECT_EQ(read, slot);
    }
    TestLiftOff(link, 40, messages);
    SaveLiftOff(link, 8, messages);
    StartSurfaceAnalysis(link);
    int raw = 0;
    EXPECT_EQ(ReadSurfaceAnalysis(link, raw), kResultDone);
    EXPECT_EQ(raw, 95);
    const SimState& state = store.state();
    EXPECT_EQ(state.lodTest, 31);
    EXPECT_EQ(state.lodSave, 8);
    EXPECT_TRUE(state.surfaceStarted);
    // A slot above 4 after the announcement is refused.
    EXPECT_EQ(SetActiveProfile(link, 5), kResultFailed);
    EXPECT_EQ(store.state().activeSlot, 4);
}

TEST(SimulatedMouse, ProfileButtonWrapsAround) {
    SimState state = SimState::Factory();
    SimPressProfileButton(state, false);
    EXPECT_EQ(state.activeSlot, 4);
    SimPressProfileButton(state, true);
    SimPressProfileButton(state, true);
    EXPECT_EQ(state.activeSlot, 1);
}

TEST(SimulatedMouse, FaultsAreOneShotOrCounted) {
    MemorySimStateStore store;
    SimulatedHidBackend sim(store);
    RecordingSleeper sleeper;
    DeviceLink link(sim, sleeper);
    ASSERT_EQ(link.OpenDevice(), 1);
    store.state().faults.failTransferIn = 1;  // the announcement never arrives
    EXPECT_EQ(SetActiveProfile(link, 1), kResultFailed);
    EXPECT_EQ(SetActiveProfile(link, 1), kResultDone);

    store.state().faults.failCommand = 0x03;
    std::uint8_t slot = 0;
    EXPECT_EQ(ReadActiveProfile(link, slot), kResultFailed);
    store.state().faults.failCommand = -1;
    EXPECT_EQ(ReadActiveProfile(link, slot), kResultDone);
}

TEST(SimulatedMouse, HandlesDoNotSurviveAReplug) {
    MemorySimStateStore store;
    SimulatedHidBackend sim(store);
    RecordingSleeper sleeper;
    DeviceLink link(sim, sleeper);
    ASSERT_EQ(link.OpenDevice(), 1);
    SimSetPlugged(store.state(), false);
    EXPECT_TRUE(sim.Enumerate().empty());
    SimSetPlugged(store.state(), true);
    EXPECT_EQ(SetActiveProfile(link, 1), kResultFailed);
    ASSERT_EQ(link.OpenDevice(), 1);
    EXPECT_EQ(SetActiveProfile(link, 1), kResultDone);
}

TEST(SimulatedMouse, BootloaderModeShowsItsOwnProduct) {
    MemorySimStateStore store;
    store.state().bootloader = true;
    SimulatedHidBackend sim(store);
    const auto devices = sim.Enumerate();
    ASSERT_EQ(devices.size(), 1u);
    EXPECT_EQ(devices[0].productId, 0x1303);
    RecordingSleeper sleeper;
    DeviceLink link(sim, sleeper);
    EXPECT_EQ(link.OpenDevice(), 0);  // the configuration side does not talk to it
}

TEST(SimulatedMouse, ProcessesShareTheStateFile) {
    TempDir dir;
    FileSimStateStore first(dir / "sim.json");
    FileSimStateStore second(dir / "sim.json");
    SimulatedHidBackend simA(first);
    SimulatedHidBackend simB(second);
    RecordingSleeper sleeper;
    DeviceLink a(simA, sleeper);
    DeviceLink b(simB, sleeper);
    ASSERT_EQ(a.OpenDevice(), 1);
    ASSERT_EQ(b.OpenDevice(), 1);
    EXPECT_EQ(SetActiveProfile(a, 3), kResultDone);
    std::uint8_t slot = 0;
    EXPECT_EQ(ReadActiveProfile(b, slot), kResultDone);
    EXPECT_EQ(slot, 3);

    ProfileRecord record;
    record.slotIndex = 2;
    record.name = u"Shared";
    EXPECT_EQ(WriteProfileImage(a, BuildDeviceImage(record)), kResultDone);
    EXPECT_EQ(second.Read().images[2], BuildDeviceImage(record).bytes);
}

TEST(SimulatedMouse, StateSurvivesItsFileAndABadFileIsAFreshMouse) {
    SimState state = SimState::Factory();
    state.activeSlot = 4;
    state.images[1][100] = 0xAB;
    state.faults.unplugAfter = 7;
    SimState back;
    ASSERT_TRUE(SimStateFromJson(SimStateToJson(state), back));
    EXPECT_EQ(back.activeSlot, 4);
    EXPECT_EQ(back.images, state.images);
    EXPECT_EQ(back.faults.unplugAfter, 7);
    EXPECT_FALSE(SimStateFromJson("{\"mode\": 1}", back));
    EXPECT_FALSE(SimStateFromJson("not json", back));

    TempDir dir;
    WriteBytes(dir / "sim.json", {'{', '{'});
    FileSimStateStore store(dir / "sim.json");
    EXPECT_EQ(store.Read().images, SimState::Factory().images);
}

TEST(SimulatedMouse, FactoryImagesAreTheDefaultProfiles) {
    const SimState state = SimState::Factory();
    const DecodedImage image = DecodeDeviceImage(state.images[4]);
    EXPECT_EQ(image.slot, 4);
    EXPECT_EQ(image.name, "Profile5");
    EXPECT_EQ(image.levels[2].x, 6000);
}

}  // namespace
