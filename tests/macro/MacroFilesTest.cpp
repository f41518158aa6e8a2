#include "macro/MacroFiles.h"

#include <gtest/gtest.h>

#include "support/TempDir.h"

namespace {

CMacro GoldenRun() {
    CMacro macro;
    macro.name = u"Run";
    macro.macroId = 16;
    macro.viewRect = {0, 0, 260, 199};
    macro.events = {
        {{4, 5, 258, 23}, 0, 1, 1, 0x57, 0, 0},
        {{4, 23, 258, 41}, 0, 2, 1, 0x57, 1, 120},
        {{4, 41, 258, 59}, 1, 3, 16, 1, 0, 35},
        {{4, 59, 258, 77}, 0, 4, 17, 151, 0, 10},
    };
    return macro;
}

bool ReadMacro(const std::vector<std::uint8_t>& bytes, CMacro& macro) {
    DataStream stream(DataStream::Mode::Read);
    stream.Assign(bytes);
    return ReadMacroFile(stream, macro);
}

TEST(MacroFile, WritesAndReadsTheFileLayout) {
    DataStream written;
    WriteMacroFile(written, GoldenRun());
    const std::vector<std::uint8_t> golden = ReadBytes(TestData("macro/Run.macro"));
    EXPECT_EQ(std::vector<std::uint8_t>(written.Bytes().begin(), written.Bytes().end()), golden);

    CMacro read;
    ASSERT_TRUE(ReadMacro(golden, read));
    EXPECT_EQ(read, GoldenRun());
}

TEST(MacroFile, AMacroWithoutEventsIs28BytesAndTheName) {
    CMacro empty;
    empty.name = u"Empty";
    empty.macroId = 17;
    empty.viewRect = {0, 0, 260, 199};
    DataStream written;
    WriteMacroFile(written, empty);
    EXPECT_EQ(written.Length(), 28 + 2 * 5);
    EXPECT_EQ(std::vector<std::uint8_t>(written.Bytes().begin(), written.Bytes().end()),
              ReadBytes(TestData("macro/Empty.macro")));
}

TEST(MacroFile, ANegativeEventCountIsAMacroWithoutEvents) {
    CMacro read = GoldenRun();
    ASSERT_TRUE(ReadMacro(ReadBytes(TestData("macro/negative-count.macro")), read));
    EXPECT_EQ(read.name, u"Neg");
    EXPECT_EQ(read.macroId, 18);
    EXPECT_TRUE(read.events.empty());
}

TEST(MacroFile, EveryTruncationAndAnOverstatedCountAreRefusedWithoutChange) {
    const std::vector<std::uint8_t> golden = ReadBytes(TestData("macro/Run.macro"));
    CMacro before;
    before.name = u"untouched";
    for (std::size_t size = 0; size < golden.size(); ++size) {
        CMacro read = before;
        EXPECT_FALSE(ReadMacro({golden.begin(), golden.begin() + std::ptrdiff_t(size)}, read))
            << size;
        EXPECT_EQ(read, before) << size;
    }
    // The count field claims a million events; four follow.
    std::vector<std::uint8_t> inflated = golden;
    const std::size_t countAt = 4 + 2 * 3 + 4 + 16;
    inflated[countAt + 2] = 0x0F;
    CMacro read = before;
    EXPECT_FALSE(ReadMacro(inflated, read));
    EXPECT_EQ(read, before);
}

TEST(MacroIndex, ListsThePathsAndACutIndexKeepsWhatWasRead) {
    const std::vector<std::uint8_t> golden = ReadBytes(TestData("macro/macroList.dat"));
    const std::vector<std::u16string> paths = {
        u"/home/user/.config/Ostrel/VOSK8200/Macros/Run.macro",
        u"/home/user/.config/Ostrel/VOSK8200/Macros/Empty.macro"};
    DataStream written;
    WriteMacroIndex(written, paths);
    EXPECT_EQ(std::vector<std::uint8_t>(written.Bytes().begin(), written.Bytes().end()), golden);

    const std::size_t firstEnd = 4 + 4 + 2 * paths[0].size();
    const struct {
        std::size_t size;
        std::size_t entries;
    } cuts[] = {{golden.size(), 2},
                {golden.size() - 1, 1},
                {firstEnd, 1},
                {firstEnd - 1, 0},
                {4, 0},
                {0, 0}};
    for (const auto& cut : cuts) {
        DataStream stream(DataStream::Mode::Read);
        stream.Assign({golden.data(), cut.size});
        const std::vector<std::u16string> read = ReadMacroIndex(stream);
        EXPECT_EQ(read, std::vector<std::u16string>(paths.begin(),
                                                    paths.begin() + std::ptrdiff_t(cut.entries)))
            << cut.size;
    }
}

}  // namespace
