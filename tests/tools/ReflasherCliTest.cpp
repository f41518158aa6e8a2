#include <QCryptographicHash>

#include <gtest/gtest.h>

#include "RunTool.h"
#include "support/TempDir.h"

namespace fs = std::filesystem;

namespace {

// Reflasher in the terminal against a simulated mouse of its own, without real pauses.
class ReflasherCli : public ::testing::Test {
  protected:
    Ran Tool(const char* program, const QStringList& arguments) {
        return RunTool(program, arguments,
                       {{"VOSK8200_SIM_STATE", Q(dir / "sim.json")},
                        {"VOSK8200_SIM_TIME_SCALE", "0"},
                        {"DISPLAY", ""}});
    }
    Ran Reflasher(const QStringList& arguments) {
        return Tool(REFLASHER_PATH, QStringList{"--simulate", "--no-gui"} + arguments);
    }
    Ran Sim(const QStringList& arguments) { return Tool(VOSK8200SIM_PATH, arguments); }

    QString Firmware(std::size_t size) {
        std::vector<std::uint8_t> bytes(size);
        for (std::size_t i = 0; i < size; ++i) {
            bytes[i] = static_cast<std::uint8_t>((i * 2654435761u) >> 13);
        }
        WriteBytes(dir / "f.bin", bytes);
        sha256 = QCryptographicHash::hash(
                     QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(size)),
                     QCryptographicHash::Sha256)
                     .toHex()
                     .toStdString();
        return Q(dir / "f.bin");
    }

    TempDir dir;
    std::string sha256;
};

TEST_F(ReflasherCli, FlashesTheSimulatedMouse) {
    const Ran ran = Reflasher({"--yes", "--firmware", Firmware(150 * 1024)});
    EXPECT_EQ(ran.exitCode, 0) << ran.err;
    EXPECT_NE(ran.err.find("150/150 blocks"), std::string::npos) << ran.err;
    EXPECT_NE(ran.err.find("The firmware was upgraded."), std::string::npos);
    const Ran shown = Sim({"show"});
    EXPECT_NE(shown.out.find("flashed firmware: 153600 bytes, SHA-256 " + sha256),
              std::string::npos)
        << shown.out;
    EXPECT_NE(shown.out.find("mode: normal"), std::string::npos);
}

TEST_F(ReflasherCli, UnpluggingAtABlockFailsWithAMessage) {
    ASSERT_EQ(Sim({"set", "unplugblock=40"}).exitCode, 0);
    const Ran ran = Reflasher({"--yes", "--firmware", Firmware(150 * 1024)});
    EXPECT_EQ(ran.exitCode, 1);
    EXPECT_NE(ran.err.find("Firmware upgrade failed."), std::string::npos) << ran.err;
    EXPECT_EQ(ran.err.find("150/150"), std::string::npos);
    EXPECT_NE(Sim({"show"}).out.find("flashed firmware: none"), std::string::npos);
}

TEST_F(ReflasherCli, RefusesBadImagesAndAsksBeforeTouchingTheMouse) {
    WriteBytes(dir / "empty.bin", {});
    WriteBytes(dir / "big.bin", std::vector<std::uint8_t>(204801, 1));
    const struct {
        QStringList arguments;
        const char* says;
    } cases[] = {
        {{"--yes", "--firmware", Q(dir / "empty.bin")}, "empty.bin is empty"},
        {{"--yes", "--firmware", Q(dir / "big.bin")}, "is larger than 204800 bytes"},
        {{"--yes", "--firmware", Q(dir / "none.bin")}, "none.bin cannot be opened"},
        {{"--yes"}, "no firmware file named in config.ini"},
        {{"--firmware", Firmware(100)}, "Nothing was changed."},  // no answer on stdin
    };
    for (const auto& c : cases) {
        const Ran ran = Reflasher(c.arguments);
        EXPECT_EQ(ran.exitCode, 1) << c.says;
        EXPECT_NE(ran.err.find(c.says), std::string::npos) << ran.err;
    }
    EXPECT_NE(Sim({"show"}).out.find("transfers so far: 0"), std::string::npos);
}

}  // namespace
