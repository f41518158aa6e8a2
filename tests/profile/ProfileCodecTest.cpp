#include "profile/ProfileCodec.h"

#include <gtest/gtest.h>

#include "profile/FileWrite.h"
#include "support/TempDir.h"

namespace {

std::vector<std::uint8_t> Encode(const ProfileRecord& record) {
    DataStream stream;
    WriteProfile(stream, record);
    return {stream.Bytes().begin(), stream.Bytes().end()};
}

ProfileReadStatus Decode(const std::vector<std::uint8_t>& bytes, ProfileRecord& record) {
    DataStream stream(DataStream::Mode::Read);
    stream.Assign(bytes);
    return ReadProfile(stream, record);
}

// What the edited golden file holds, built field by field.
ProfileRecord EditedRecord() {
    ProfileRecord r;
    r.name = u"\u00c9lan \u2713";
    r.enabled = 0;
    r.slotIndex = 3;
    r.pollingInterval = 8;
    r.doubleClickSpeed = 700;
    r.scrollLines = 6;
    r.scrollByLines = 0;
    r.scrollByPage = 1;
    r.accelerationEnabled = 1;
    r.xySeparate = 1;
    r.definedMode = 1;
    r.dpiLevel = 1;
    r.dpiLevels = {{{400, 800}, {3200, 1600}, {8200, 8200}}};
    r.pointerSpeed = 10;
    r.liftDistance = 31;
    r.surfaceQuality = 7;
    r.ledColors = {0x0000FF, 0x00FF00, 0xFF0000, 0x123456};
    r.ledZones = 16 | 1 | 8;
    r.ledEffect = 16 | 4;
    r.buttons[1] = {1, 13, 0x41, 1, 0};
    r.buttons[2] = {2, 14, 16, 2, 0};
    r.buttons[3] = {3, 15, 0, 3, 0};
    r.buttons[4] = {4, 9, 0, 4, 0};
    r.buttons[5] = {5, 11, 0, 5, 0};
    r.macros[2] = {
        u"Run", 16, {{1, 0x57, 0, 0}, {1, 0x57, 1, 120}, {16, 1, 0, 35}, {17, 151, 0, 10}}};
    return r;
}

void ExpectSameFileFields(const ProfileRecord& a, const ProfileRecord& b) {
    EXPECT_EQ(Encode(a), Encode(b));
}

TEST(ProfileFile, DefaultProfileMatchesTheGoldenBytes) {
    ProfileRecord record;
    record.name = u"Profile1";
    const std::vector<std::uint8_t> bytes = Encode(record);
    ASSERT_EQ(bytes.size(), 258u);
    const std::vector<std::uint8_t> head = {0x12, 0x06, 0x33, 0x01, 0x08, 0x00,
                                            0x00, 0x00, 0x50, 0x00, 0x72, 0x00};
    EXPECT_TRUE(std::equal(head.begin(), head.end(), bytes.begin()));
    EXPECT_EQ(bytes, ReadBytes(TestData("profile/default-profile1.profile")));
}

TEST(ProfileFile, EditedGoldenFileLoadsEveryField) {
    ProfileRecord loaded;
    ASSERT_TRUE(LoadProfile(TestData("profile/edited.profile"), loaded));
    ExpectSameFileFields(loaded, EditedRecord());
    EXPECT_EQ(loaded.slotIndex, 3);  // the codec keeps the file's slot byte
    EXPECT_EQ(loaded.ledColors[3], 0x123456u);
    EXPECT_EQ(loaded.macros[2].events.size(), 4u);
    EXPECT_EQ(Encode(loaded), ReadBytes(TestData("profile/edited.profile")));
}

TEST(ProfileFile, ColourTravelsAsDecimalText) {
    ProfileRecord record;
    const std::vector<std::uint8_t> bytes = Encode(record);
    // R + 50 with R = 8 + 2 * 7 for "profile": the first colour text.
    const std::size_t at = 8 + 2 * 7 + 50;
    const std::vector<std::uint8_t> text = {0x06, 0, 0,   0, '4', 0, '5', 0,
                                            '5',  0, '1', 0, '7', 0, '4', 0};
    EXPECT_TRUE(std::equal(text.begin(), text.end(), bytes.begin() + at));
    ProfileRecord back;
    back.ledColors.fill(0);
    ASSERT_EQ(Decode(bytes, back), ProfileReadStatus::Loaded);
    EXPECT_EQ(back.ledColors[0], ColorRef(6, 242, 6));
}

TEST(ProfileFile, AccelerationLevelAndDefaultFunctionAreNotStored) {
    ProfileRecord record;
    record.accelerationLevel = 3;
    record.buttons[0].defaultFunction = 9;
    ProfileRecord fresh;
    ASSERT_EQ(Decode(Encode(record), fresh), ProfileReadStatus::Loaded);
    EXPECT_EQ(fresh.accelerationLevel, 1);
    EXPECT_EQ(fresh.buttons[0].defaultFunction, 0);
}

TEST(ProfileFile, NegativeEventCountEndsTheMacroThere) {
    ProfileRecord record;
    std::vector<std::uint8_t> bytes = Encode(record);
    // Slot 0's macro section starts 12 * 7 bytes before the end; its count is at + 8.
    const std::size_t count = bytes.size() - 12 * 7 + 8;
    for (int i = 0; i < 4; ++i) {
        bytes[count + i] = 0xFF;
    }
    ProfileRecord loaded;
    loaded.macros[0].events.push_back({1, 65, 0, 0});
    loaded.macros[1].macroId = 77;
    ASSERT_EQ(Decode(bytes, loaded), ProfileReadStatus::Loaded);
    EXPECT_TRUE(loaded.macros[0].events.empty());
    EXPECT_EQ(loaded.macros[1].macroId, 0);  // the next section came right after the count
}

TEST(ProfileFile, EveryTruncationIsRefusedWithoutTouchingTheRecord) {
    const std::vector<std::uint8_t> whole = ReadBytes(TestData("profile/edited.profile"));
    ASSERT_EQ(whole.size(), 290u);
    for (std::size_t cut = 0; cut < whole.size(); ++cut) {
        ProfileRecord record;
        record.name = u"untouched";
        record.macros[2].events.push_back({1, 1, 1, 1});
        const std::vector<std::uint8_t> before = Encode(record);
        const std::vector<std::uint8_t> part(whole.begin(), whole.begin() + long(cut));
        const ProfileReadStatus status = Decode(part, record);
        EXPECT_NE(status, ProfileReadStatus::Loaded) << "cut at " << cut;
        EXPECT_EQ(Encode(record), before) << "cut at " << cut;
    }
}

TEST(ProfileFile, CountsBeyondTheDataAreRefused) {
    struct Case {
        const char* what;
        std::size_t offset;  // of an int32 count in the edited file
    };
    // The name count at 4; the event count of slot 2's macro ("Run", 4 events) near the end.
    const std::vector<std::uint8_t> whole = ReadBytes(TestData("profile/edited.profile"));
    const std::size_t slot2Count = whole.size() - 4 * 12 - 32 - 4;
    for (const Case& c : {Case{"name", 4}, Case{"events", slot2Count}}) {
        std::vector<std::uint8_t> bytes = whole;
        bytes[c.offset] = 0x00;
        bytes[c.offset + 1] = 0x00;
        bytes[c.offset + 2] = 0x00;
        bytes[c.offset + 3] = 0x40;  // a billion
        ProfileRecord record;
        EXPECT_EQ(Decode(bytes, record), ProfileReadStatus::Truncated) << c.what;
        EXPECT_EQ(record.name, u"profile") << c.what;
    }
}

TEST(ProfileFile, ForeignOrMissingFilesLeaveTheRecord) {
    TempDir dir;
    WriteBytes(dir / "foreign.profile", {0x12, 0x06, 0x33, 0x02, 0, 0, 0, 0});
    ProfileRecord record;
    record.name = u"kept";
    EXPECT_EQ(LoadProfileFile(dir / "foreign.profile", record), ProfileReadStatus::NotAProfile);
    EXPECT_EQ(LoadProfileFile(dir / "missing.profile", record), ProfileReadStatus::CannotOpen);
    EXPECT_FALSE(LoadProfile(dir / "missing.profile", record));
    EXPECT_EQ(record.name, u"kept");
}

TEST(ProfileFile, FailedSaveKeepsTheOldFile) {
    TempDir dir;
    const auto path = dir / "Default1.profile";
    ProfileRecord old;
    old.name = u"Old";
    ASSERT_FALSE(SaveProfile(old, path));
    const std::vector<std::uint8_t> oldBytes = ReadBytes(path);

    ProfileRecord edited = EditedRecord();
    const std::size_t size = Encode(edited).size();
    for (std::size_t budget : {std::size_t{0}, std::size_t{1}, size / 2, size - 1}) {
        WriteBudget limit(budget);
        EXPECT_TRUE(SaveProfile(edited, path, &limit)) << "budget " << budget;
        EXPECT_EQ(ReadBytes(path), oldBytes) << "budget " << budget;
    }
    WriteBudget enough(size);
    EXPECT_FALSE(SaveProfile(edited, path, &enough));
    EXPECT_EQ(ReadBytes(path), Encode(edited));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1)
        << "no temporary file left behind";
}

TEST(ProfileFile, SaveToAFolderThatCannotBeCreatedFails) {
    TempDir dir;
    WriteBytes(dir / "blocker", {1});
    ProfileRecord record;
    EXPECT_TRUE(SaveProfile(record, dir / "blocker/x.profile"));
    EXPECT_TRUE(SaveProfileToOwnFile(record));  // empty filePath
}

}  // namespace
