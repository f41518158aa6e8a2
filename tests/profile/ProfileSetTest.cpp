#include "profile/ProfileSet.h"

#include <gtest/gtest.h>

#include "profile/FileWrite.h"
#include "support/TempDir.h"

namespace fs = std::filesystem;

namespace {

TEST(ProfileSet, FirstRunHoldsDefaultsAndCreatesNothing) {
    TempDir home;
    const fs::path userData = home / "config/Ostrel/VOSK8200";
    ProfileSet set(userData);
    for (int slot = 1; slot <= ProfileSet::kSlotCount; ++slot) {
        const ProfileRecord& record = set.Record(slot);
        EXPECT_EQ(record.name, u"Profile" + std::u16string(1, char16_t(u'0' + slot)));
        EXPECT_EQ(record.slotIndex, slot - 1);
        EXPECT_EQ(fs::path(record.filePath),
                  userData / "Profiles" / ("Default" + std::to_string(slot) + ".profile"));
    }
    EXPECT_EQ(set.SelectedSlot(), 1);
    EXPECT_EQ(&set.Selected(), &set.Record(1));
    EXPECT_TRUE(fs::is_empty(home.path()));

    EXPECT_TRUE(set.SaveAll().empty());
    for (int slot = 1; slot <= ProfileSet::kSlotCount; ++slot) {
        const fs::path file = userData / "Profiles" / ProfileSet::DefaultFileName(slot);
        EXPECT_TRUE(fs::is_regular_file(file)) << file;
    }
    EXPECT_EQ(ReadBytes(userData / "Profiles/Default1.profile"),
              ReadBytes(TestData("profile/default-profile1.profile")));
}

TEST(ProfileSet, LoadsSavedFilesAndKeepsEachRecordOnItsSlot) {
    TempDir home;
    fs::create_directories(home / "Profiles");
    // A file saved from slot 4 copied over slot 2's default file.
    fs::copy_file(TestData("profile/edited.profile"), home / "Profiles/Default2.profile");
    WriteBytes(home / "Profiles/Default3.profile", {'n', 'o', 'p', 'e'});

    ProfileSet set(home.path());
    EXPECT_EQ(set.Record(2).name, u"\u00c9lan \u2713");
    EXPECT_EQ(set.Record(2).enabled, 0);
    EXPECT_EQ(set.Record(2).slotIndex, 1);
    EXPECT_EQ(set.Record(3).name, u"Profile3");  // foreign file: defaults stay
    EXPECT_EQ(set.Record(3).slotIndex, 2);
}

TEST(ProfileSet, ImportTakesTheFileButNotItsSlotOrPath) {
    TempDir home;
    ProfileSet set(home.path());
    const std::u16string ownFile = set.Record(4).filePath;
    ASSERT_EQ(set.Import(4, TestData("profile/edited.profile")), ProfileReadStatus::Loaded);
    const ProfileRecord& record = set.Record(4);
    EXPECT_EQ(record.name, u"\u00c9lan \u2713");
    EXPECT_EQ(record.enabled, 0);
    EXPECT_EQ(record.slotIndex, 3);
    EXPECT_EQ(record.filePath, ownFile);
    EXPECT_EQ(record.macros[2].name, u"Run");

    EXPECT_EQ(set.Import(5, home / "missing.profile"), ProfileReadStatus::CannotOpen);
    EXPECT_EQ(set.Record(5).name, u"Profile5");
}

TEST(ProfileSet, ExportWritesExactlyTheChosenPath) {
    TempDir dir;
    ProfileSet set(dir / "data");
    EXPECT_EQ(ExportProposal(dir / "Profiles", set.Record(3)), dir / "Profiles/Profile3.profile");

    ASSERT_FALSE(set.Export(3, dir / "out/no-extension"));
    EXPECT_TRUE(fs::is_regular_file(dir / "out/no-extension"));
    WriteBytes(dir / "out/existing.profile", {9, 9});
    ASSERT_FALSE(set.Export(3, dir / "out/existing.profile"));
    ProfileRecord back;
    ASSERT_TRUE(LoadProfile(dir / "out/existing.profile", back));
    EXPECT_EQ(back.name, u"Profile3");
    EXPECT_FALSE(fs::exists(dir / "data"));
}

TEST(ProfileSet, SaveOwnFileWritesOnlyThatSlot) {
    TempDir home;
    ProfileSet set(home.path());
    set.Record(2).name = u"Renamed";
    ASSERT_FALSE(set.SaveOwnFile(2));
    EXPECT_TRUE(fs::exists(home / "Profiles/Default2.profile"));
    EXPECT_FALSE(fs::exists(home / "Profiles/Default1.profile"));
    EXPECT_EQ(ProfileSet(home.path()).Record(2).name, u"Renamed");
}

TEST(ProfileSet, SaveAllReportsEachFailedSlotAndGoesOn) {
    TempDir home;
    ProfileSet set(home.path());
    const std::size_t oneFile = ReadBytes(TestData("profile/default-profile1.profile")).size();
    WriteBudget budget(2 * oneFile + 10);  // slots 1 and 2 fit, 3 breaks, 4 and 5 get nothing
    const auto failures = set.SaveAll(&budget);
    ASSERT_EQ(failures.size(), 3u);
    EXPECT_EQ(failures[0].slot, 3);
    EXPECT_EQ(failures[0].error, std::errc::no_space_on_device);
    EXPECT_TRUE(fs::exists(home / "Profiles/Default2.profile"));
    EXPECT_FALSE(fs::exists(home / "Profiles/Default3.profile"));
}

TEST(ProfileSet, WithoutAUserDataFolderNothingIsWritten) {
    ProfileSet set(std::nullopt);
    EXPECT_TRUE(set.Record(1).filePath.empty());
    const auto failures = set.SaveAll();
    EXPECT_EQ(failures.size(), 5u);
}

TEST(ProfileSet, ToggleEnabledFlipsSlotsTwoToFive) {
    ProfileSet set(std::nullopt);
    EXPECT_EQ(set.ToggleEnabled(1), 1);
    EXPECT_EQ(set.ToggleEnabled(3), 0);
    EXPECT_EQ(set.Record(3).enabled, 0);
    EXPECT_EQ(set.ToggleEnabled(3), 1);
    EXPECT_THROW(set.Record(6), std::out_of_range);
}

}  // namespace
