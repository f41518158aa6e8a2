#include "updater/FirmwareImage.h"

#include <fstream>
#include <iterator>

#include "updater/BootloaderProtocol.h"

std::size_t FirmwareImage::BlockCount() const {
    return (size + kFirmwareBlockSize - 1) / kFirmwareBlockSize;
}

FirmwareLoadError MakeFirmwareImage(std::vector<std::uint8_t> bytes, FirmwareImage& image) {
    if (bytes.empty()) {
        return FirmwareLoadError::Empty;
    }
    if (bytes.size() > kFirmwareMaxSize) {
        return FirmwareLoadError::TooLarge;
    }
    FirmwareImage loaded;
    loaded.size = bytes.size();
    // One more checksum than blocks with data: a whole last block adds an empty one.
    const std::size_t summed = loaded.size / kFirmwareBlockSize + 1;
    bytes.resize(summed * kFirmwareBlockSize, 0);
    for (std::size_t block = 0; block < summed; ++block) {
        loaded.checksums.push_back(
            BlockChecksum(bytes.data() + block * kFirmwareBlockSize, kFirmwareBlockSize));
    }
    loaded.bytes = std::move(bytes);
    image = std::move(loaded);
    return FirmwareLoadError::None;
}

FirmwareLoadError LoadFirmwareImage(const std::filesystem::path& path, FirmwareImage& image) {
    std::error_code error;
    if (path.empty() || std::filesystem::is_directory(path, error)) {
        return FirmwareLoadError::CannotOpen;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return FirmwareLoadError::CannotOpen;
    }
    // Read one byte past the limit at most: enough to know a file is too large.
    std::vector<std::uint8_t> bytes;
    bytes.reserve(kFirmwareMaxSize + 1);
    std::istreambuf_iterator<char> it(in), end;
    while (it != end && bytes.size() <= kFirmwareMaxSize) {
        bytes.push_back(static_cast<std::uint8_t>(*it++));
    }
    if (in.bad()) {
        return FirmwareLoadError::CannotOpen;
    }
    return MakeFirmwareImage(std::move(bytes), image);
}

std::string Describe(FirmwareLoadError error) {
    switch (error) {
        case FirmwareLoadError::None:
            return "loaded";
        case FirmwareLoadError::CannotOpen:
            return "cannot be opened";
        case FirmwareLoadError::Empty:
            return "is empty";
        case FirmwareLoadError::TooLarge:
            return "is larger than 204800 bytes";
    }
    return "";
}

namespace {

std::string Trim(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

bool EqualIgnoringCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

}  // namespace

std::string ReadIniValue(const std::string& text, const std::string& section,
                         const std::string& key) {
    std::string current;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            end = text.size();
        }
        const std::string line = Trim(text.substr(start, end - start));
        start = end + 1;
        if (line.empty() || line[0] == ';') {
            continue;
        }
        if (line.front() == '[' && line.back() == ']') {
            current = Trim(line.substr(1, line.size() - 2));
            continue;
        }
        const auto equals = line.find('=');
        if (equals == std::string::npos || !EqualIgnoringCase(current, section) ||
            !EqualIgnoringCase(Trim(line.substr(0, equals)), key)) {
            continue;
        }
        // Raw, as written: no quotes removed, no escapes; the old reader's 259 characters.
        return Trim(line.substr(equals + 1)).substr(0, 259);
    }
    return {};
}

std::filesystem::path FirmwarePathFromConfig(const std::filesystem::path& programFolder) {
    std::ifstream in(programFolder / "config.ini", std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::string name = ReadIniValue(text, "Firmware", "Name");
    if (name.empty()) {
        return {};
    }
    if (name.find('/') == std::string::npos) {
        return programFolder / name;
    }
    return name;
}
