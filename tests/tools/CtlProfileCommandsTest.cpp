#include <gtest/gtest.h>

#include "RunTool.h"
#include "support/TempDir.h"

namespace fs = std::filesystem;

namespace {

Ran Ctl(const QStringList& arguments) {
    return RunTool(VOSK8200CTL_PATH, arguments);
}

TEST(CtlProfileCommands, ConvertRoundTripsBothWays) {
    TempDir dir;
    const fs::path edited = TestData("profile/edited.profile");
    ASSERT_EQ(Ctl({"convert", Q(edited), Q(dir / "a.json")}).exitCode, 0);
    ASSERT_EQ(Ctl({"convert", Q(dir / "a.json"), Q(dir / "b.profile")}).exitCode, 0);
    EXPECT_EQ(ReadBytes(dir / "b.profile"), ReadBytes(edited));
    ASSERT_EQ(Ctl({"convert", Q(dir / "b.profile"), Q(dir / "c.json")}).exitCode, 0);
    EXPECT_EQ(ReadBytes(dir / "c.json"), ReadBytes(dir / "a.json"));

    const Ran shown = Ctl({"show", "--json", Q(edited)});
    EXPECT_EQ(shown.exitCode, 0);
    EXPECT_EQ(std::vector<std::uint8_t>(shown.out.begin(), shown.out.end()),
              ReadBytes(dir / "a.json"));
}

TEST(CtlProfileCommands, ShowPrintsTheRecordReadably) {
    TempDir dir;
    ASSERT_EQ(Ctl({"new", "--slot", "3", Q(dir / "p.profile")}).exitCode, 0);
    const Ran shown = Ctl({"show", Q(dir / "p.profile")});
    EXPECT_EQ(shown.exitCode, 0);
    for (const char* line : {"Profile \"Profile3\" (slot index 2, enabled)", "every 1 ms (1000 Hz)",
                             "level 3:      6000 x 6000", "wheel #06F206", "  7: Dpi down"}) {
        EXPECT_NE(shown.out.find(line), std::string::npos) << line << "\n" << shown.out;
    }
    const Ran edited = Ctl({"show", Q(TestData("profile/edited.profile"))});
    EXPECT_NE(edited.out.find("3: Assign record macro (macro 16 \"Run\")"), std::string::npos)
        << edited.out;
}

TEST(CtlProfileCommands, BadInputExitsOneAndWritesNothing) {
    TempDir dir;
    WriteBytes(dir / "bad.json", {'{', '"', 'n', 'a', 'm', 'e', '"', ':', '1', '}'});
    WriteBytes(dir / "broken.json", {'{', '"'});
    WriteBytes(dir / "short.profile", {0x12, 0x06, 0x33, 0x01, 0x08});
    struct Case {
        QStringList arguments;
        std::string stderrPart;
    };
    const Case cases[] = {
        {{"convert", Q(dir / "bad.json"), Q(dir / "out.profile")},
         "bad.json: name: must be a string"},
        {{"convert", Q(dir / "broken.json"), Q(dir / "out.profile")}, "not valid JSON"},
        {{"convert", Q(dir / "missing.json"), Q(dir / "out.profile")}, "cannot be opened"},
        {{"convert", Q(dir / "short.profile"), Q(dir / "out.json")}, "is damaged"},
        {{"show", Q(dir / "bad.json")}, "not a profile file"},
    };
    for (const Case& c : cases) {
        const Ran run = Ctl(c.arguments);
        EXPECT_EQ(run.exitCode, 1) << c.arguments.join(' ').toStdString();
        EXPECT_NE(run.err.find(c.stderrPart), std::string::npos) << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    }
    EXPECT_FALSE(fs::exists(dir / "out.profile"));
    EXPECT_FALSE(fs::exists(dir / "out.json"));
}

TEST(CtlProfileCommands, UsageErrorsExitTwoAndHelpExitsZero) {
    const QStringList usageErrors[] = {
        {},
        {"frobnicate"},
        {"show"},
        {"show", "a", "b"},
        {"show", "--bogus", "a.profile"},
        {"convert", "a.profile", "b.profile"},
        {"new", "--slot", "6", "x.profile"},
    };
    for (const QStringList& arguments : usageErrors) {
        EXPECT_EQ(Ctl(arguments).exitCode, 2) << arguments.join(' ').toStdString();
    }
    for (const QStringList& arguments :
         {QStringList{"--help"}, QStringList{"show", "--help"}, QStringList{"convert", "-h"}}) {
        const Ran run = Ctl(arguments);
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_NE(run.out.find("Usage:"), std::string::npos) << run.out;
    }
}

}  // namespace
