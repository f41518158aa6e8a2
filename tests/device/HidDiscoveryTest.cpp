#include <gtest/gtest.h>

#include <map>

#include "device/DeviceLink.h"
#include "platform/HidrawBackend.h"
#include "platform/HotplugMonitor.h"
#include "platform/ReportDescriptor.h"
#include "support/FakeDevices.h"
#include "support/TempDir.h"

namespace fs = std::filesystem;

namespace {

std::vector<HidCollection> CollectionsOf(const char* file) {
    return TopLevelCollections(ReadBytes(TestData(fs::path("hid") / file)));
}

TEST(ReportDescriptor, FindsTheTopLevelApplicationCollections) {
    EXPECT_EQ(CollectionsOf("vosk-boot-mouse.rdesc"), (std::vector<HidCollection>{{0x01, 0x02}}));
    EXPECT_EQ(CollectionsOf("vosk-keys.rdesc"),
              (std::vector<HidCollection>{{0x01, 0x06}, {0x0C, 0x01}}));
    EXPECT_EQ(CollectionsOf("vosk-vendor.rdesc"), (std::vector<HidCollection>{{0xFF01, 0x02}}));
}

TEST(ReportDescriptor, HandlesItemSizesNestingAndCutDescriptors) {
    struct Case {
        const char* what;
        std::vector<std::uint8_t> bytes;
        std::vector<HidCollection> expected;
    };
    const Case cases[] = {
        {"4-byte usage carries its page",
         {0x05, 0x01, 0x0B, 0x02, 0x00, 0x01, 0xFF, 0xA1, 0x01, 0xC0},
         {{0xFF01, 0x02}}},
        {"2-byte usage", {0x06, 0x01, 0xFF, 0x0A, 0x02, 0x00, 0xA1, 0x01, 0xC0}, {{0xFF01, 0x02}}},
        {"nested application does not count",
         {0x05, 0x01, 0x09, 0x02, 0xA1, 0x01, 0x09, 0x06, 0xA1, 0x01, 0xC0, 0xC0},
         {{0x01, 0x02}}},
        {"physical collection at the top does not count",
         {0x05, 0x01, 0x09, 0x01, 0xA1, 0x00, 0xC0, 0x09, 0x02, 0xA1, 0x01, 0xC0},
         {{0x01, 0x02}}},
        {"usage cleared by a main item",
         {0x05, 0x01, 0x09, 0x30, 0x81, 0x02, 0xA1, 0x01, 0xC0},
         {{0x01, 0x00}}},
        {"cut inside an item", {0x05, 0x01, 0x09, 0x02, 0xA1, 0x01, 0x06, 0x01}, {{0x01, 0x02}}},
        {"empty", {}, {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TopLevelCollections(c.bytes), c.expected) << c.what;
    }
}

TEST(HidrawBackend, ReadsIdsFromTheUevent) {
    std::uint16_t vendor = 0, product = 0;
    EXPECT_TRUE(ParseHidId("DRIVER=hid-generic\nHID_ID=0003:000022D4:00001301\nHID_NAME=x\n",
                           vendor, product));
    EXPECT_EQ(vendor, 0x22D4);
    EXPECT_EQ(product, 0x1301);
    EXPECT_FALSE(ParseHidId("HID_NAME=no id\n", vendor, product));
    EXPECT_FALSE(ParseHidId("HID_ID=0003:000122D4:00001301\n", vendor, product));
}

// A sysfs class folder and a /dev folder as the kernel lays them out for one mouse and one
// look-alike from the same maker.
class FakeSysfs : public ::testing::Test {
  protected:
    void AddNode(const std::string& node, const std::string& hidId, const char* descriptor) {
        const fs::path device = tree / "devices" / (hidId + "." + node);
        fs::create_directories(device);
        WriteBytes(device / "uevent", ToBytes("DRIVER=hid-generic\nHID_ID=" + hidId + "\n"));
        fs::copy_file(TestData(fs::path("hid") / descriptor), device / "report_descriptor");
        fs::create_directories(tree / "class" / node);
        fs::create_directory_symlink(device, tree / "class" / node / "device");
        WriteBytes(tree / "dev" / node, {});
    }
    static std::vector<std::uint8_t> ToBytes(const std::string& text) {
        return {text.begin(), text.end()};
    }
    void SetUp() override {
        fs::create_directories(tree / "dev");
        AddNode("hidraw0", "0003:000022D4:00001301", "vosk-boot-mouse.rdesc");
        AddNode("hidraw1", "0003:000022D4:00001301", "vosk-keys.rdesc");
        AddNode("hidraw2", "0003:000022D4:00001302", "vosk-vendor.rdesc");  // another product
        AddNode("hidraw3", "0003:000022D4:00001301", "vosk-vendor.rdesc");
    }

    TempDir dir;
    fs::path tree = dir.path();
};

// Counts what the code under test opens and closes.
class CountingBackend : public HidBackend {
  public:
    explicit CountingBackend(HidBackend& inner) : inner_(inner) {}
    std::vector<HidDeviceInfo> Enumerate() override { return inner_.Enumerate(); }
    Handle Open(const std::string& path, std::error_code& error) override {
        const Handle handle = inner_.Open(path, error);
        if (handle != kInvalidHandle) {
            openPaths[handle] = path;
        }
        return handle;
    }
    void Close(Handle handle) override {
        openPaths.erase(handle);
        inner_.Close(handle);
    }
    bool SetFeature(Handle h, std::span<const std::uint8_t> r) override {
        return inner_.SetFeature(h, r);
    }
    bool GetFeature(Handle h, std::span<std::uint8_t> r) override {
        return inner_.GetFeature(h, r);
    }
    std::map<Handle, std::string> openPaths;

  private:
    HidBackend& inner_;
};

TEST_F(FakeSysfs, EnumerationReadsEveryNode) {
    HidrawBackend hidraw(tree / "class", tree / "dev");
    const std::vector<HidDeviceInfo> devices = hidraw.Enumerate();
    ASSERT_EQ(devices.size(), 4u);
    EXPECT_EQ(devices[1].path, (tree / "dev/hidraw1").string());
    EXPECT_EQ(devices[1].collections, (std::vector<HidCollection>{{0x01, 0x06}, {0x0C, 0x01}}));
    EXPECT_EQ(devices[2].productId, 0x1302);
}

TEST_F(FakeSysfs, OpenDeviceKeepsOnlyTheVendorCollectionOpen) {
    HidrawBackend hidraw(tree / "class", tree / "dev");
    CountingBackend counting(hidraw);
    RecordingSleeper sleeper;
    {
        DeviceLink link(counting, sleeper);
        ASSERT_EQ(link.OpenDevice(), 1);
        ASSERT_EQ(counting.openPaths.size(), 1u);
        EXPECT_EQ(counting.openPaths.begin()->second, (tree / "dev/hidraw3").string());
        EXPECT_FALSE(link.LastOpenFailure());
        // Opening again first lets go of the old handle.
        ASSERT_EQ(link.OpenDevice(), 1);
        EXPECT_EQ(counting.openPaths.size(), 1u);
    }
    EXPECT_TRUE(counting.openPaths.empty());
}

TEST_F(FakeSysfs, AMouseThatCannotBeOpenedSaysWhereAndWhy) {
    fs::remove(tree / "dev/hidraw3");
    HidrawBackend hidraw(tree / "class", tree / "dev");
    RecordingSleeper sleeper;
    DeviceLink link(hidraw, sleeper);
    EXPECT_EQ(link.OpenDevice(), 0);
    EXPECT_FALSE(link.IsOpen());
    EXPECT_EQ(link.DescribeOpenFailure(), "found the mouse at " + (tree / "dev/hidraw3").string() +
                                              " but cannot open it: No such file or directory");
}

TEST(DeviceLinkOpen, PermissionProblemsPointAtTheUdevRule) {
    ScriptedHidBackend hid;
    hid.devices = {VoskVendorInterface("/dev/hidraw3")};
    hid.openFailures = {"/dev/hidraw3"};
    RecordingSleeper sleeper;
    DeviceLink link(hid, sleeper);
    EXPECT_EQ(link.OpenDevice(), 0);
    EXPECT_EQ(link.DescribeOpenFailure(),
              "found the mouse at /dev/hidraw3 but cannot open it: Permission denied \u2014 "
              "install the udev rule (see README)");

    hid.devices = {};
    EXPECT_EQ(link.OpenDevice(), 0);
    EXPECT_EQ(link.DescribeOpenFailure(), "no VOSK8200 mouse found (vendor 22D4, product 1301)");
}

TEST(Hotplug, RecognisesTheMouseBySysfsPath) {
    struct Case {
        std::string path;
        bool ours;
    };
    const Case cases[] = {
        {"/devices/pci0000:00/0000:00:14.0/usb1/1-2/1-2:1.2/0003:22D4:1301.0007/hidraw/hidraw3",
         true},
        {"/devices/virtual/misc/uhid/0003:22D4:1303.0001/hidraw/hidraw0", false},  // bootloader
        {"/devices/usb1/0003:046D:C52B.0001/hidraw/hidraw0", false},
        {"x22D4/1301", true},   // anywhere after the first character
        {"22D41301", false},    // "22D4" only at the very start
        {"x22d4:1301", false},  // case matters
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsVoskMousePath(c.path), c.ours) << c.path;
    }
}

TEST(Hotplug, UdevMonitorGivesAPollableDescriptor) {
    std::error_code error;
    auto monitor = MakeUdevHotplugMonitor(error);
    if (!monitor) {
        GTEST_SKIP() << "no udev netlink here: " << error.message();
    }
    EXPECT_GE(monitor->Fd(), 0);
    EXPECT_FALSE(monitor->Receive());  // nothing waiting, and it does not block
}

}  // namespace
