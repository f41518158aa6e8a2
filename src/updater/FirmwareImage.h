#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// A firmware image as the upgrade sends it: the bytes in 1024-byte blocks (the last one padded
// with zeros) and the 16-bit sum of each block.
struct FirmwareImage {
    std::vector<std::uint8_t> bytes;       // whole blocks
    std::size_t size = 0;                  // the file's length
    std::vector<std::uint16_t> checksums;  // blocks 0 … size / 1024

    std::size_t BlockCount() const;  // blocks sent: size / 1024 rounded up
    std::size_t ProgressMax() const { return size / 1024; }
};

enum class FirmwareLoadError { None, CannotOpen, Empty, TooLarge };

// Loads an image of 1 … 204800 bytes; a larger or empty one is refused before anything is sent.
FirmwareLoadError LoadFirmwareImage(const std::filesystem::path& path, FirmwareImage& image);
FirmwareLoadError MakeFirmwareImage(std::vector<std::uint8_t> bytes, FirmwareImage& image);
std::string Describe(FirmwareLoadError error);

// config.ini beside the program: [Firmware] Name=…, the value taken raw. A name without "/" lies
// in the program folder; one with "/" is used as it stands. Empty when the key is missing.
std::string ReadIniValue(const std::string& text, const std::string& section,
                         const std::string& key);
std::filesystem::path FirmwarePathFromConfig(const std::filesystem::path& programFolder);
