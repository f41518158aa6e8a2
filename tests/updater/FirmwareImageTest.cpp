#include "updater/FirmwareImage.h"

#include <gtest/gtest.h>

#include "support/TempDir.h"

namespace fs = std::filesystem;

namespace {

std::vector<std::uint8_t> Bytes(std::size_t size, std::uint8_t value = 0xAB) {
    return std::vector<std::uint8_t>(size, value);
}

TEST(FirmwareImage, BlocksChecksumsAndProgressRange) {
    const struct {
        std::size_t size;
        std::size_t blocks;
        std::vector<std::uint16_t> checksums;
        std::size_t progressMax;
    } cases[] = {
        {1, 1, {0xAB}, 0},
        {1024, 1, {0xAB * 1024 % 65536, 0}, 1},
        {2048, 2, {0xAB * 1024 % 65536, 0xAB * 1024 % 65536, 0}, 2},
        {2049, 3, {0xAB * 1024 % 65536, 0xAB * 1024 % 65536, 0xAB}, 2},
    };
    for (const auto& c : cases) {
        FirmwareImage image;
        ASSERT_EQ(MakeFirmwareImage(Bytes(c.size), image), FirmwareLoadError::None);
        EXPECT_EQ(image.size, c.size);
        EXPECT_EQ(image.BlockCount(), c.blocks) << c.size;
        EXPECT_EQ(image.checksums, c.checksums) << c.size;
        EXPECT_EQ(image.ProgressMax(), c.progressMax) << c.size;
        EXPECT_GE(image.bytes.size(), c.blocks * 1024);
    }
    // The last of three blocks holds one data byte and zeros.
    FirmwareImage image;
    MakeFirmwareImage(Bytes(2049), image);
    EXPECT_EQ(image.bytes[2048], 0xAB);
    EXPECT_EQ(std::count(image.bytes.begin() + 2049, image.bytes.begin() + 3072, 0), 1023);
}

TEST(FirmwareImage, RefusesEmptyOversizedAndMissingFiles) {
    TempDir dir;
    WriteBytes(dir / "empty.bin", {});
    WriteBytes(dir / "big.bin", Bytes(204801));
    WriteBytes(dir / "max.bin", Bytes(204800));
    FirmwareImage image;
    EXPECT_EQ(LoadFirmwareImage(dir / "empty.bin", image), FirmwareLoadError::Empty);
    EXPECT_EQ(LoadFirmwareImage(dir / "big.bin", image), FirmwareLoadError::TooLarge);
    EXPECT_EQ(LoadFirmwareImage(dir / "none.bin", image), FirmwareLoadError::CannotOpen);
    EXPECT_EQ(LoadFirmwareImage(dir.path(), image), FirmwareLoadError::CannotOpen);
    EXPECT_EQ(LoadFirmwareImage("", image), FirmwareLoadError::CannotOpen);
    ASSERT_EQ(LoadFirmwareImage(dir / "max.bin", image), FirmwareLoadError::None);
    EXPECT_EQ(image.BlockCount(), 200u);
    EXPECT_EQ(image.checksums.size(), 201u);
}

TEST(FirmwareConfig, TheNameIsReadRawAndPlacedBesideTheProgram) {
    const std::string ini =
        "; the updater's settings\r\n[Other]\r\nName=wrong.bin\r\n[firmware]\r\n"
        "  name = \"quoted\\n value\" \r\n";
    EXPECT_EQ(ReadIniValue(ini, "Firmware", "Name"), "\"quoted\\n value\"");
    EXPECT_EQ(ReadIniValue(ini, "Firmware", "Missing"), "");
    EXPECT_EQ(ReadIniValue("[Firmware]\nName=" + std::string(300, 'x'), "Firmware", "Name").size(),
              259u);

    TempDir dir;
    const struct {
        std::string config;
        fs::path path;
    } cases[] = {
        {"[Firmware]\nName=fw.bin\n", dir / "fw.bin"},
        {"[Firmware]\nName=/opt/fw/a.bin\n", "/opt/fw/a.bin"},
        {"[Firmware]\nName=sub/a.bin\n", "sub/a.bin"},
        {"[Firmware]\nName=\n", ""},
        {"", ""},
    };
    for (const auto& c : cases) {
        const std::string& text = c.config;
        WriteBytes(dir / "config.ini", {text.begin(), text.end()});
        EXPECT_EQ(FirmwarePathFromConfig(dir.path()), c.path) << c.config;
    }
}

}  // namespace
