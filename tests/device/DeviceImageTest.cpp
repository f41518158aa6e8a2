#include "device/DeviceImage.h"

#include <gtest/gtest.h>

#include <map>

#include "device/AnsiName.h"
#include "device/DeviceCommands.h"
#include "device/KeyUsage.h"
#include "support/FakeDevices.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes At(const DeviceImage& image, std::size_t offset, std::size_t count) {
    return {image.bytes.begin() + long(offset), image.bytes.begin() + long(offset + count)};
}

bool ZeroFrom(const DeviceImage& image, std::size_t offset) {
    return std::all_of(image.bytes.begin() + long(offset), image.bytes.end(),
                       [](std::uint8_t b) { return b == 0; });
}

ProfileMacro KeyMacro(std::int32_t id, int events, std::uint8_t direction = 0) {
    ProfileMacro macro{u"m", id, {}};
    for (int i = 0; i < events; ++i) {
        macro.events.push_back({1, static_cast<std::int16_t>(65 + i), direction, 300 + i});
    }
    return macro;
}

void BindMacro(ProfileRecord& record, int button, const ProfileMacro& macro) {
    record.buttons[std::size_t(button)].function = 14;
    record.buttons[std::size_t(button)].param = static_cast<std::int16_t>(macro.macroId);
    record.macros[std::size_t(button)] = macro;
}

TEST(DeviceImage, DefaultProfile) {
    ProfileRecord record;
    record.slotIndex = 2;
    record.name = u"Profile3";
    const DeviceImage image = BuildDeviceImage(record);
    EXPECT_EQ(image.bytes[0], 2);
    EXPECT_EQ(At(image, 1, 9), (Bytes{'P', 'r', 'o', 'f', 'i', 'l', 'e', '3', 0}));
    EXPECT_EQ(At(image, 17, 6), (Bytes{0x00, 0x08, 0x00, 0x00, 1, 1}));
    for (std::size_t quad : {23u, 27u, 33u, 37u, 41u, 45u}) {
        EXPECT_EQ(At(image, quad, 4), (Bytes{0x06, 0xF2, 0x06, 0x01})) << quad;
    }
    EXPECT_EQ(At(image, 31, 2), (Bytes{0, 0}));
    EXPECT_EQ(image.bytes[50], 2);
    EXPECT_EQ(At(image, 51, 5), (Bytes{0, 0xD0, 0x07, 0xD0, 0x07}));  // 2000
    EXPECT_EQ(At(image, 60, 5), (Bytes{0, 0xA0, 0x0F, 0xA0, 0x0F}));  // 4000
    EXPECT_EQ(At(image, 81, 5), (Bytes{0, 0x70, 0x17, 0x70, 0x17}));  // 6000
    EXPECT_EQ(image.bytes[70], 12);
    EXPECT_EQ(image.bytes[86], 3);
    const Bytes actions[] = {{0x00, 0x01}, {0x00, 0x02}, {0x00, 0x04}, {0x00, 0x10},
                             {0x00, 0x08}, {0x09, 0xF0}, {0x09, 0xF2}};
    for (std::size_t i = 0; i < 7; ++i) {
        Bytes entry = actions[i];
        entry.insert(entry.end(), {0, 0, 0, 0, 0x0F});
        EXPECT_EQ(At(image, 101 + 7 * i, 7), entry) << "button " << i;
    }
    EXPECT_TRUE(ZeroFrom(image, 150));
}

TEST(DeviceImage, LedZonesChooseWhichQuadsCarryColour) {
    struct Case {
        std::int32_t zones;
        std::vector<std::size_t> lit;
    };
    const Case cases[] = {
        {0, {}},
        {16 | 4, {37, 41, 45}},
        {16 | 1 | 8, {23, 27}},
        {15, {23, 27, 33, 37, 41, 45}},
    };
    for (const Case& c : cases) {
        ProfileRecord record;
        record.ledZones = c.zones;
        record.ledEffect = 16 | 3;
        record.ledColors = {ColorRef(1, 2, 3), ColorRef(4, 5, 6), ColorRef(7, 8, 9),
                            ColorRef(10, 11, 12)};
        const DeviceImage image = BuildDeviceImage(record);
        const std::map<std::size_t, Bytes> colours = {{23, {1, 2, 3}}, {27, {10, 11, 12}},
                                                      {33, {4, 5, 6}}, {37, {7, 8, 9}},
                                                      {41, {7, 8, 9}}, {45, {7, 8, 9}}};
        for (const auto& [quad, colour] : colours) {
            const bool lit = std::find(c.lit.begin(), c.lit.end(), quad) != c.lit.end();
            Bytes expected = lit ? colour : Bytes{0, 0, 0};
            expected.push_back(16 | 3);
            EXPECT_EQ(At(image, quad, 4), expected) << "zones " << c.zones << " quad " << quad;
        }
    }
}

TEST(DeviceImage, ButtonActionsFollowTheTable) {
    struct Case {
        std::uint8_t function;
        std::int16_t param;
        Bytes typeValue;
    };
    const Case cases[] = {
        {8, 0, {0x08, 0xF1}},   {9, 0, {0x08, 0xF0}},   {10, 0, {0x08, 0xF2}},
        {11, 0, {0x01, 0x01}},  {12, 0, {0x01, 0xFF}},  {15, 0, {0xFF, 0x00}},
        {7, 0, {0x00, 0x00}},   {13, 65, {0x02, 0x04}}, {13, 13, {0x02, 40}},
        {13, 162, {0x02, 224}}, {13, 250, {0x02, 250}},
    };
    for (const Case& c : cases) {
        ProfileRecord record;
        record.buttons[3].function = c.function;
        record.buttons[3].param = c.param;
        const DeviceImage image = BuildDeviceImage(record);
        EXPECT_EQ(At(image, 101 + 21, 2), c.typeValue) << int(c.function) << "/" << c.param;
    }
}

TEST(DeviceImage, KeyUsagesCoverTheRangesAndSingles) {
    const std::pair<std::uint16_t, std::uint16_t> cases[] = {
        {65, 4},   {90, 29},  {49, 30},  {57, 38},   {48, 39},  {112, 58}, {123, 69},
        {97, 89},  {105, 97}, {96, 98},  {19, 72},   {3, 72},   {46, 76},  {38, 82},
        {110, 99}, {93, 101}, {191, 56}, {174, 129}, {92, 231}, {1, 1},    {166, 166},
    };
    for (const auto& [key, usage] : cases) {
        EXPECT_EQ(HidUsageOfVirtualKey(key), usage) << key;
    }
}

TEST(DeviceImage, OneMacroOfThreePresses) {
    ProfileRecord record;
    BindMacro(record, 0, KeyMacro(16, 3));
    const DeviceImage image = BuildDeviceImage(record);
    EXPECT_EQ(At(image, 101, 7), (Bytes{0x03, 0xFE, 0x20, 0x03, 0x03, 0x00, 0x0F}));
    EXPECT_EQ(At(image, 800, 7), (Bytes{1, 4, 0, 0, 0x2C, 0x01, 0}));  // A, delay 300
    EXPECT_EQ(At(image, 807, 7), (Bytes{1, 5, 0, 0, 0x2D, 0x01, 0}));
    EXPECT_EQ(At(image, 814, 7), (Bytes{1, 6, 0, 0, 0x2E, 0x01, 0}));
    EXPECT_TRUE(ZeroFrom(image, 821));
    EXPECT_EQ(image.macroEventCounts[0], 3);
}

TEST(DeviceImage, MacroBlocksFollowEachOtherInButtonOrder) {
    ProfileRecord record;
    BindMacro(record, 1, KeyMacro(16, 2, 1));
    BindMacro(record, 4, KeyMacro(17, 5));
    const DeviceImage image = BuildDeviceImage(record);
    EXPECT_EQ(At(image, 101 + 7, 6), (Bytes{0x03, 0x00, 0x20, 0x03, 2, 0}));   // has a release
    EXPECT_EQ(At(image, 101 + 28, 6), (Bytes{0x03, 0xFE, 0x35, 0x03, 5, 0}));  // 821
    EXPECT_EQ(image.TotalMacroEvents(), 7);
}

TEST(DeviceImage, AMacroOfAnotherIdSendsAnEmptyBlock) {
    ProfileRecord record;
    BindMacro(record, 2, KeyMacro(16, 4));
    record.buttons[2].param = 18;  // the library macro was replaced
    const DeviceImage image = BuildDeviceImage(record);
    EXPECT_EQ(At(image, 101 + 14, 7), (Bytes{0x03, 0xFE, 0x20, 0x03, 0, 0, 0x0F}));
    EXPECT_TRUE(ZeroFrom(image, 150));
    EXPECT_EQ(image.macroEventCounts[2], 0);
}

TEST(DeviceImage, AMacroKeepsAtMost128Events) {
    ProfileRecord record;
    BindMacro(record, 0, KeyMacro(16, 130));
    const DeviceImage image = BuildDeviceImage(record);
    EXPECT_EQ(image.macroEventCounts[0], 128);
    EXPECT_EQ(At(image, 101 + 4, 2), (Bytes{128, 0}));
}

TEST(DeviceImage, TooManyEventsAreRefusedBeforeAnythingIsSent) {
    ProfileRecord record;
    for (int button = 0; button < 7; ++button) {
        BindMacro(record, button, KeyMacro(16 + button, 128));  // 896 events: far past the area
    }
    const DeviceImage huge = BuildDeviceImage(record);
    ProfileRecord limit;
    BindMacro(limit, 0, KeyMacro(16, 100));
    BindMacro(limit, 1, KeyMacro(17, 65));  // 165
    for (const DeviceImage& image : {huge, BuildDeviceImage(limit)}) {
        ScriptedHidBackend hid;
        hid.devices = {VoskVendorInterface()};
        RecordingSleeper sleeper;
        DeviceLink link(hid, sleeper);
        ASSERT_EQ(link.OpenDevice(), 1);
        EXPECT_EQ(WriteProfileImage(link, image), kResultTooLarge);
        EXPECT_TRUE(hid.log.empty());
    }
}

TEST(DeviceImage, UploadSendsAHeaderAndAHalfTwice) {
    ProfileRecord record;
    record.slotIndex = 3;
    const DeviceImage image = BuildDeviceImage(record);
    ScriptedHidBackend hid;
    hid.devices = {VoskVendorInterface()};
    for (int i = 0; i < 4; ++i) {
        hid.Answer(1);
    }
    RecordingSleeper sleeper;
    DeviceLink link(hid, sleeper);
    ASSERT_EQ(link.OpenDevice(), 1);
    EXPECT_EQ(WriteProfileImage(link, image), kResultDone);
    ASSERT_EQ(hid.log.size(), 8u);
    EXPECT_EQ(hid.log[0], "SET 03 00 00 08 00 03 00 00");
    EXPECT_EQ(hid.log[2].substr(0, 15), "SET 05 03 70 72");  // report 5, image from byte 0
    EXPECT_EQ(hid.log[2].size(), 4u + 1025 * 3 - 1);
    EXPECT_EQ(hid.log[4], "SET 03 00 00 08 01 03 00 00");
    EXPECT_EQ(sleeper.pauses, (std::vector<int>{10, 50, 10, 50}));
}

TEST(DeviceImage, UploadStopsAtTheFirstFailure) {
    const DeviceImage image = BuildDeviceImage(ProfileRecord());
    ScriptedHidBackend hid;
    hid.devices = {VoskVendorInterface()};
    hid.Answer(1);
    hid.Answer(1);
    hid.Answer(2);  // the second header is refused
    RecordingSleeper sleeper;
    DeviceLink link(hid, sleeper);
    ASSERT_EQ(link.OpenDevice(), 1);
    EXPECT_EQ(WriteProfileImage(link, image), kResultFailed);
    EXPECT_EQ(hid.log.size(), 6u);
}

TEST(DeviceImage, NameGoesOutInWindows1252CutToFifteenBytes) {
    struct Case {
        std::u16string name;
        std::string bytes;
    };
    const Case cases[] = {
        {u"Sniper", "Sniper"},
        {u"\u00c9l\u00e8ve \u20ac", "\xC9l\xE8ve \x80"},
        {u"\u2713 \u4e2d", "? ?"},
        {u"\U0001F3AE pad", "? pad"},
        {u"A very long profile name", "A very long pro"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ToWindows1252(c.name, 15), c.bytes);
        ProfileRecord record;
        record.name = c.name;
        const DeviceImage image = BuildDeviceImage(record);
        EXPECT_EQ(DecodeDeviceImage(image.bytes).name, c.bytes);
        EXPECT_EQ(image.bytes[1 + c.bytes.size()], 0);
    }
}

}  // namespace
