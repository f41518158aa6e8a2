#include <gtest/gtest.h>

#include "RunTool.h"
#include "profile/ProfileCodec.h"
#include "support/TempDir.h"

namespace fs = std::filesystem;

namespace {

// Runs the tools against a simulated mouse of its own, without real pauses.
class SimulatedMouseCli : public ::testing::Test {
  protected:
    Ran Tool(const char* program, const QStringList& arguments) {
        return RunTool(program, arguments,
                       {{"VOSK8200_SIM_STATE", Q(dir / "sim.json")},
                        {"VOSK8200_SIM_TIME_SCALE", "0"},
                        {"XDG_CONFIG_HOME", Q(dir / "config")}});
    }
    Ran Ctl(const QStringList& arguments) { return Tool(VOSK8200CTL_PATH, arguments); }
    Ran Sim(const QStringList& arguments) { return Tool(VOSK8200SIM_PATH, arguments); }

    QStringList FiveProfiles() {
        QStringList files;
        for (int slot = 1; slot <= 5; ++slot) {
            const fs::path file = dir / ("p" + std::to_string(slot) + ".profile");
            ProfileRecord record;
            record.name = u"Mine" + std::u16string(1, char16_t(u'0' + slot));
            record.slotIndex = static_cast<std::uint8_t>(slot % 5);  // saved from another slot
            record.liftDistance = static_cast<std::uint8_t>(10 + slot);
            EXPECT_FALSE(SaveProfile(record, file));
            files << QString::fromStdString(file.string());
        }
        return files;
    }

    static int Count(const std::string& text, const std::string& part) {
        int n = 0;
        for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
            ++n;
        }
        return n;
    }

    TempDir dir;
};

TEST_F(SimulatedMouseCli, ApplyWritesTheFiveProfilesIntoTheMouse) {
    const Ran applied =
        Ctl(QStringList{"--simulate", "--trace", "apply", "--active", "3"} + FiveProfiles());
    EXPECT_EQ(applied.exitCode, 0) << applied.err;
    EXPECT_EQ(Count(applied.err, "SET "), 24);
    EXPECT_EQ(Count(applied.err, "GET "), 24);
    EXPECT_EQ(Count(applied.err, "SLEEP 50\n"), 10);
    EXPECT_NE(applied.err.find("SET 03 02 00 00 00 00 00 00\nGET 03 01 00 00 00 00 00 00\n"
                               "SLEEP 10\nSET 03 02 00 00 00 00 00 00"),
              std::string::npos);  // slot 3 is index 2, sent where the code stands

    const Ran shown = Sim({"show"});
    EXPECT_EQ(shown.exitCode, 0);
    EXPECT_NE(shown.out.find("active profile: 3"), std::string::npos) << shown.out;
    for (int slot = 1; slot <= 5; ++slot) {
        const std::string line = "slot " + std::to_string(slot) + ": \"Mine" +
                                 std::to_string(slot) + "\" (slot byte " +
                                 std::to_string(slot - 1) + ",";
        EXPECT_NE(shown.out.find(line), std::string::npos) << line << "\n" << shown.out;
    }
    EXPECT_NE(shown.out.find("lift distance 15"), std::string::npos);
}

TEST_F(SimulatedMouseCli, ApplyWithoutFilesUsesTheUserDataFolder) {
    const Ran applied = Ctl({"apply", "--simulate"});
    EXPECT_EQ(applied.exitCode, 0) << applied.err;
    EXPECT_NE(Sim({"show"}).out.find("slot 5: \"Profile5\""), std::string::npos);
}

TEST_F(SimulatedMouseCli, ApplyReportsEveryFailure) {
    struct Case {
        const char* what;
        QStringList simSetup;
        std::vector<std::string> messages;
    };
    const Case cases[] = {
        {"blocks refused",
         {"set", "fail=block"},
         {"profile 1: the transfer failed", "profile 5: the transfer failed"}},
        {"selection refused", {"set", "fail=2"}, {"set current profile id failed."}},
        {"unplugged", {"unplug"}, {"VOSK mouse no found.", "no VOSK8200 mouse found"}},
        {"unplugged midway",
         {"set", "unplugafter=20"},
         {"profile 3: the transfer failed", "set current profile id failed."}},
    };
    const QStringList files = FiveProfiles();
    for (const Case& c : cases) {
        ASSERT_EQ(Sim({"reset"}).exitCode, 0);
        ASSERT_EQ(Sim(c.simSetup).exitCode, 0) << c.what;
        const Ran applied = Ctl(QStringList{"--simulate", "apply"} + files);
        EXPECT_EQ(applied.exitCode, 1) << c.what;
        for (const std::string& message : c.messages) {
            EXPECT_NE(applied.err.find(message), std::string::npos)
                << c.what << ": " << message << "\n"
                << applied.err;
        }
    }
}

TEST_F(SimulatedMouseCli, ApplyRefusesAnOversizedProfileAndSendsTheRest) {
    QStringList files = FiveProfiles();
    ProfileRecord big;
    big.slotIndex = 3;
    for (int button = 0; button < 2; ++button) {
        big.buttons[button] = {std::uint8_t(button), 14, std::int16_t(20 + button),
                               std::uint8_t(button), 0};
        big.macros[button] = {u"m", 20 + button, std::vector<CMacroEvent>(83, {1, 65, 0, 0})};
    }
    ASSERT_FALSE(SaveProfile(big, dir / "big.profile"));
    files[3] = QString::fromStdString((dir / "big.profile").string());
    const Ran applied = Ctl(QStringList{"--simulate", "apply"} + files);
    EXPECT_EQ(applied.exitCode, 1);
    EXPECT_NE(applied.err.find("profile 4 has more than 164 macro events"), std::string::npos)
        << applied.err;
    EXPECT_NE(Sim({"show"}).out.find("slot 5: \"Mine5\""), std::string::npos);

    const Ran image = Ctl({"image", files[3]});
    EXPECT_EQ(image.exitCode, 1);
    EXPECT_NE(image.out.find("button 1: macro block of 83 events"), std::string::npos);
}

TEST_F(SimulatedMouseCli, InfoActiveSurfaceAndLiftOff) {
    ASSERT_EQ(Sim({"set", "firmware=0x66", "surface=95"}).exitCode, 0);
    EXPECT_EQ(Ctl({"--simulate", "info"}).out, "firmware: 1.02\nactive profile: 1\n");
    const Ran traced = Ctl({"--simulate", "--trace", "active", "4"});
    EXPECT_EQ(traced.exitCode, 0);
    EXPECT_EQ(traced.err,
              "SET 03 02 00 00 00 00 00 00\nGET 03 01 00 00 00 00 00 00\nSLEEP 10\n"
              "SET 03 03 00 00 00 00 00 00\nGET 03 01 00 00 00 00 00 00\nSLEEP 10\n");
    EXPECT_EQ(Ctl({"--simulate", "active"}).out, "4\n");
    ASSERT_EQ(Sim({"press", "profile-up"}).exitCode, 0);
    EXPECT_EQ(Ctl({"active", "--simulate"}).out, "5\n");
    EXPECT_EQ(Ctl({"--simulate", "surface"}).out, "raw 95, grade 9\n");
    EXPECT_EQ(Ctl({"--simulate", "lod", "save", "3"}).exitCode, 0);
    EXPECT_NE(Sim({"show"}).out.find("last test none, last save 6"), std::string::npos);

    ASSERT_EQ(Sim({"unplug"}).exitCode, 0);
    const Ran gone = Ctl({"--simulate", "info"});
    EXPECT_EQ(gone.exitCode, 1);
    EXPECT_EQ(gone.out, "firmware: -.--\n");
    EXPECT_NE(gone.err.find("no VOSK8200 mouse found"), std::string::npos);
}

TEST_F(SimulatedMouseCli, DevicesListsEveryCollection) {
    const Ran listed = Ctl({"--simulate", "devices"});
    EXPECT_EQ(listed.exitCode, 0);
    EXPECT_EQ(Count(listed.out, "22D4:1301"), 4);
    EXPECT_NE(listed.out.find("sim:hidraw2  22D4:1301  FF01/0002  normal  can be opened  "
                              "(configuration)"),
              std::string::npos)
        << listed.out;
    ASSERT_EQ(Sim({"set", "mode=bootloader"}).exitCode, 0);
    EXPECT_NE(Ctl({"--simulate", "devices"}).out.find("22D4:1303  FF01/0002  bootloader"),
              std::string::npos);
}

TEST_F(SimulatedMouseCli, BadArgumentsAreUsageErrors) {
    const QStringList cases[] = {
        {"--simulate", "active", "6"},
        {"--simulate", "apply", "a.profile"},
        {"--simulate", "apply", "--active", "0"},
        {"--simulate", "lod", "probe", "12"},
    };
    for (const QStringList& arguments : cases) {
        EXPECT_EQ(Ctl(arguments).exitCode, 2) << arguments.join(' ').toStdString();
    }
    for (const QStringList& arguments :
         {QStringList{"set", "busy=x"}, QStringList{"set", "colour=1"}, QStringList{"image", "9"},
          QStringList{"frobnicate"}}) {
        EXPECT_EQ(Sim(arguments).exitCode, 2) << arguments.join(' ').toStdString();
    }
    // A refused set changes nothing, even the settings before the bad one.
    ASSERT_EQ(Sim({"set", "active=2", "busy=x"}).exitCode, 2);
    EXPECT_NE(Sim({"show"}).out.find("active profile: 1"), std::string::npos);
}

}  // namespace
