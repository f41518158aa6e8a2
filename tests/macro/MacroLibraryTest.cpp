#include "macro/MacroLibrary.h"

#include <gtest/gtest.h>

#include "macro/MacroFiles.h"
#include "profile/FileWrite.h"
#include "support/TempDir.h"

namespace fs = std::filesystem;

namespace {

CMacro& AddMacro(MacroLibrary& library, std::int32_t id, std::u16string name, int events) {
    CMacro& macro = library.Create(id, std::move(name), {0, 0, 260, 199});
    for (int i = 0; i < events; ++i) {
        CEventItem event;
        event.kind = kKeyEvent;
        event.keyCode = static_cast<std::int16_t>(0x41 + i);
        event.direction = static_cast<std::uint8_t>(i % 2);
        event.delay = 10 * i;
        event.itemId = i + 1;
        event.rect = {4, 5 + 18 * i, 258, 23 + 18 * i};
        macro.events.push_back(event);
    }
    return macro;
}

std::vector<CMacro> Contents(const MacroLibrary& library) {
    std::vector<CMacro> contents;
    for (const auto& macro : library.macros()) {
        contents.push_back(*macro);
    }
    return contents;
}

std::vector<std::u16string> IndexOf(const fs::path& folder) {
    DataStream stream(DataStream::Mode::Read);
    EXPECT_TRUE(stream.LoadFile(folder / "macroList.dat"));
    return ReadMacroIndex(stream);
}

std::vector<fs::path> FilesUnder(const fs::path& folder) {
    std::vector<fs::path> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        files.push_back(fs::relative(entry.path(), folder));
    }
    std::sort(files.begin(), files.end());
    return files;
}

TEST(MacroLibrary, AnEmptyLibrarySavesCountZeroAndLoadsBackEmpty) {
    TempDir home;
    const fs::path folder = home / "Ostrel/VOSK8200/Macros";
    MacroLibrary library;
    ASSERT_TRUE(library.Save(folder).Saved());
    EXPECT_EQ(ReadBytes(folder / "macroList.dat"), (std::vector<std::uint8_t>{0, 0, 0, 0}));
    EXPECT_EQ(FilesUnder(folder), std::vector<fs::path>{"macroList.dat"});

    MacroLibrary loaded;
    const auto report = loaded.Load(folder);
    EXPECT_TRUE(report.indexFound);
    EXPECT_EQ(loaded.size(), 0u);
}

TEST(MacroLibrary, WithoutAnIndexLoadKeepsWhatItHolds) {
    TempDir home;
    MacroLibrary library;
    AddMacro(library, 16, u"Kept", 1);
    EXPECT_FALSE(library.Load(home.path()).indexFound);
    EXPECT_EQ(library.size(), 1u);
}

TEST(MacroLibrary, SavesOneFilePerMacroAndAnIndexOfAbsolutePaths) {
    TempDir home;
    const fs::path folder = home / "Macros";
    MacroLibrary library;
    AddMacro(library, 16, u"Run", 4);
    AddMacro(library, 17, u"Jump \u2191", 0);
    ASSERT_TRUE(library.Save(folder).Saved());

    EXPECT_EQ(IndexOf(folder),
              (std::vector<std::u16string>{(folder / "Run.macro").u16string(),
                                           (folder / "Jump \u2191.macro").u16string()}));
    EXPECT_EQ(fs::file_size(folder / "Jump \u2191.macro"), 28u + 2 * 6);

    MacroLibrary loaded;
    const auto report = loaded.Load(folder);
    EXPECT_TRUE(report.skipped.empty());
    EXPECT_EQ(Contents(loaded), Contents(library));
}

TEST(MacroLibrary, SavingReplacesTheFolderContents) {
    TempDir home;
    const fs::path folder = home / "Macros";
    MacroLibrary library;
    AddMacro(library, 16, u"Keep", 1);
    AddMacro(library, 17, u"Gone", 1);
    AddMacro(library, 18, u"a/b", 1);
    ASSERT_TRUE(library.Save(folder).Saved());
    EXPECT_TRUE(fs::is_regular_file(folder / "a/b.macro"));
    EXPECT_EQ(IndexOf(folder)[2], (folder / "a/b.macro").u16string());
    WriteBytes(folder / "stray.txt", {1});

    library.Remove(17);
    library.Remove(18);
    ASSERT_TRUE(library.Save(folder).Saved());
    EXPECT_EQ(FilesUnder(folder), (std::vector<fs::path>{"Keep.macro", "macroList.dat"}));
    EXPECT_EQ(FilesUnder(home.path()),
              (std::vector<fs::path>{"Macros", "Macros/Keep.macro", "Macros/macroList.dat"}));
}

TEST(MacroLibrary, NamesNeverLeadOutsideTheFolder) {
    const struct {
        std::u16string name;
        fs::path file;
    } cases[] = {
        {u"Run", "Run.macro"},
        {u"a/b", "a/b.macro"},
        {u"../../evil", "_/_/evil.macro"},
        {u"/abs", "_/abs.macro"},
        {u"x//y/.", "x/_/y/_.macro"},
        {u"", "_.macro"},
        {u"odd \xDC00 half", "odd \uFFFD half.macro"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(MacroFileName(c.name), c.file) << c.file;
    }
}

TEST(MacroLibrary, ANameTakenTwiceGetsAOneAppended) {
    TempDir home;
    const fs::path folder = home / "Macros";
    MacroLibrary library;
    AddMacro(library, 16, u"Run", 1);
    AddMacro(library, 17, u"Run", 2);
    AddMacro(library, 18, u"Run", 0);
    ASSERT_TRUE(library.Save(folder).Saved());
    EXPECT_EQ(library.Find(17)->name, u"Run1");
    EXPECT_EQ(library.Find(18)->name, u"Run11");
    MacroLibrary loaded;
    loaded.Load(folder);
    EXPECT_EQ(Contents(loaded), Contents(library));
}

TEST(MacroLibrary, AMacroWhoseNameCannotBeAFileIsLeftOutAndReported) {
    TempDir home;
    const fs::path folder = home / "Macros";
    MacroLibrary library;
    AddMacro(library, 16, u"Fine", 1);
    AddMacro(library, 17, std::u16string(300, u'x'), 1);
    AddMacro(library, 18, u"Also fine", 1);
    const auto report = library.Save(folder);
    EXPECT_TRUE(report.Saved());
    EXPECT_EQ(report.skipped, std::vector<std::u16string>{std::u16string(300, u'x')});
    EXPECT_EQ(IndexOf(folder),
              (std::vector<std::u16string>{(folder / "Fine.macro").u16string(),
                                           (folder / "Also fine.macro").u16string()}));
}

TEST(MacroLibrary, LoadSkipsEntriesItCannotReadAndKeepsTheOthers) {
    TempDir home;
    const fs::path folder = home / "Macros";
    MacroLibrary library;
    AddMacro(library, 16, u"One", 2);
    AddMacro(library, 17, u"Two", 2);
    AddMacro(library, 18, u"Three", 2);
    AddMacro(library, 19, u"Four", 2);
    ASSERT_TRUE(library.Save(folder).Saved());
    fs::remove(folder / "Two.macro");
    std::vector<std::uint8_t> cut = ReadBytes(folder / "Three.macro");
    cut.resize(cut.size() - 1);
    WriteBytes(folder / "Three.macro", cut);

    MacroLibrary loaded;
    const auto report = loaded.Load(folder);
    EXPECT_EQ(report.skipped, (std::vector<std::u16string>{(folder / "Two.macro").u16string(),
                                                           (folder / "Three.macro").u16string()}));
    ASSERT_EQ(loaded.size(), 2u);
    EXPECT_EQ(*loaded.macros()[0], *library.Find(16));
    EXPECT_EQ(*loaded.macros()[1], *library.Find(19));
}

TEST(MacroLibrary, AMovedIndexLoadsFromTheStoredPaths) {
    TempDir home;
    MacroLibrary library;
    AddMacro(library, 16, u"Run", 3);
    ASSERT_TRUE(library.Save(home / "Old").Saved());
    fs::create_directory(home / "New");
    fs::rename(home / "Old/macroList.dat", home / "New/macroList.dat");

    MacroLibrary loaded;
    EXPECT_TRUE(loaded.Load(home / "New").skipped.empty());
    EXPECT_EQ(Contents(loaded), Contents(library));
}

TEST(MacroLibrary, AFailingWriteAtAnyByteLeavesThePreviousLibraryWhole) {
    MacroLibrary before;
    AddMacro(before, 16, u"Old one", 3);
    AddMacro(before, 17, u"Old two", 5);
    MacroLibrary after;
    AddMacro(after, 16, u"New one", 7);
    AddMacro(after, 18, u"sub/New two", 2);
    AddMacro(after, 19, u"New three", 0);

    std::size_t needed = 0;
    {
        TempDir probe;
        WriteBudget unlimited(SIZE_MAX);
        ASSERT_TRUE(after.Save(probe / "Macros", &unlimited).Saved());
        needed = SIZE_MAX - unlimited.Left();
    }
    for (std::size_t budget = 0; budget <= needed; ++budget) {
        TempDir home;
        const fs::path folder = home / "Macros";
        ASSERT_TRUE(before.Save(folder).Saved());
        WriteBudget limit(budget);
        const bool saved = after.Save(folder, &limit).Saved();
        EXPECT_EQ(saved, budget == needed) << budget;

        MacroLibrary loaded;
        EXPECT_TRUE(loaded.Load(folder).skipped.empty()) << budget;
        EXPECT_EQ(Contents(loaded), Contents(saved ? after : before)) << budget;
        EXPECT_EQ(FilesUnder(home.path()).front(), "Macros") << "nothing left beside it";
    }
}

TEST(MacroLibrary, ACopyForAButtonIsIndependentOfLaterEdits) {
    MacroLibrary library;
    CMacro& macro = AddMacro(library, 16, u"Run", 3);
    EXPECT_FALSE(library.CopyForButton(99).has_value());

    const std::optional<ProfileMacro> copy = library.CopyForButton(16);
    ASSERT_TRUE(copy.has_value());
    EXPECT_EQ(copy->name, u"Run");
    EXPECT_EQ(copy->macroId, 16);
    ASSERT_EQ(copy->events.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        const CEventItem& event = macro.events[i];
        EXPECT_EQ(copy->events[i],
                  (CMacroEvent{event.kind, event.keyCode, event.direction, event.delay}));
    }
    const ProfileMacro kept = *copy;
    macro.events.clear();
    macro.name = u"Renamed";
    EXPECT_EQ(*copy, kept);
}

}  // namespace
