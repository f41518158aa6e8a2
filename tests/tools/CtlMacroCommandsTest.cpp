#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include "RunTool.h"
#include "macro/MacroLibrary.h"
#include "support/TempDir.h"

namespace fs = std::filesystem;

namespace {

// A library of two macros in the default macro folder of a fresh user data folder.
class MacroCli : public ::testing::Test {
  protected:
    void SetUp() override {
        MacroLibrary library;
        CMacro& run = library.Create(16, u"Run", {0, 0, 260, 199});
        run.events.push_back({{4, 5, 258, 23}, 1, 1, kKeyEvent, 0x57, 0, 0});
        run.events.push_back({{4, 23, 258, 41}, 0, 2, kMouseButtonEvent, 1, 1, 120});
        library.Create(17, u"Jump", {0, 0, 260, 199});
        ASSERT_TRUE(library.Save(folder).Saved());
    }
    Ran Ctl(const QStringList& arguments) {
        return RunTool(VOSK8200CTL_PATH, arguments, {{"XDG_CONFIG_HOME", Q(home / "config")}});
    }

    TempDir home;
    const fs::path folder = home / "config/Ostrel/VOSK8200/Macros";
};

TEST_F(MacroCli, ListsTheLibraryReadablyAndAsJson) {
    const Ran listed = Ctl({"macros"});
    EXPECT_EQ(listed.exitCode, 0) << listed.err;
    EXPECT_NE(listed.out.find("16 \"Run\": 2 event(s)"), std::string::npos) << listed.out;
    EXPECT_NE(listed.out.find("1. W (press)"), std::string::npos) << listed.out;
    EXPECT_NE(listed.out.find("2. Left button Up"), std::string::npos) << listed.out;
    EXPECT_NE(listed.out.find("120 ms"), std::string::npos) << listed.out;
    EXPECT_NE(listed.out.find("17 \"Jump\": 0 event(s)"), std::string::npos) << listed.out;

    const Ran json = Ctl({"macros", "--json", "--folder", Q(folder)});
    ASSERT_EQ(json.exitCode, 0) << json.err;
    const QJsonObject root = QJsonDocument::fromJson(QByteArray::fromStdString(json.out)).object();
    const QJsonArray macros = root["macros"].toArray();
    ASSERT_EQ(macros.size(), 2);
    const QJsonObject run = macros[0].toObject();
    EXPECT_EQ(run["macroId"].toInt(), 16);
    EXPECT_EQ(run["name"].toString(), "Run");
    EXPECT_EQ(run["viewRect"].toArray(), (QJsonArray{0, 0, 260, 199}));
    const QJsonObject release = run["events"].toArray()[1].toObject();
    EXPECT_EQ(release, (QJsonObject{{"kind", 16},
                                    {"keyCode", 1},
                                    {"direction", 1},
                                    {"delay", 120},
                                    {"rect", QJsonArray{4, 23, 258, 41}},
                                    {"selected", 0},
                                    {"itemId", 2}}));
    EXPECT_EQ(root["skipped"].toArray(), QJsonArray());
}

TEST_F(MacroCli, ADamagedEntryIsListedAsSkippedAndFailsTheRun) {
    fs::resize_file(folder / "Run.macro", 20);
    const Ran json = Ctl({"macros", "--json"});
    EXPECT_EQ(json.exitCode, 1);
    const QJsonObject root = QJsonDocument::fromJson(QByteArray::fromStdString(json.out)).object();
    EXPECT_EQ(root["macros"].toArray().size(), 1);
    EXPECT_EQ(root["skipped"].toArray(), (QJsonArray{Q(folder / "Run.macro")}));
    EXPECT_NE(json.err.find("Run.macro: skipped"), std::string::npos) << json.err;
}

TEST_F(MacroCli, ShowsOneMacroFileOrSaysWhyNot) {
    const Ran shown = Ctl({"macro", "show", Q(folder / "Run.macro")});
    EXPECT_EQ(shown.exitCode, 0) << shown.err;
    EXPECT_NE(shown.out.find("16 \"Run\": 2 event(s)"), std::string::npos) << shown.out;

    const Ran json = Ctl({"macro", "show", "--json", Q(folder / "Jump.macro")});
    EXPECT_EQ(json.exitCode, 0);
    EXPECT_EQ(QJsonDocument::fromJson(QByteArray::fromStdString(json.out)).object()["name"],
              "Jump");

    fs::resize_file(folder / "Run.macro", 40);
    const struct {
        QStringList arguments;
        int exitCode;
        const char* says;
    } failures[] = {
        {{"macro", "show", Q(folder / "Run.macro")}, 1, "is damaged"},
        {{"macro", "show", Q(folder / "none.macro")}, 1, "cannot be opened"},
        {{"macro", "list", "x"}, 2, "only subcommand is 'show'"},
        {{"macro", "show"}, 2, "takes 2 argument(s)"},
        {{"macros", "extra"}, 2, "takes 0 argument(s)"},
    };
    for (const auto& failure : failures) {
        const Ran ran = Ctl(failure.arguments);
        EXPECT_EQ(ran.exitCode, failure.exitCode) << failure.says;
        EXPECT_NE(ran.err.find(failure.says), std::string::npos) << ran.err;
        EXPECT_TRUE(ran.out.empty()) << ran.out;
    }
}

}  // namespace
