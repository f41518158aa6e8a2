#include "profile/Folders.h"

#include <cstdlib>
#include <string>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace {

const fs::path kVendorFolder = fs::path("Ostrel") / "VOSK8200";

bool IsAbsoluteSetting(const char* value) {
    return value && fs::path(value).is_absolute();
}

}  // namespace

std::optional<fs::path> UserDataFolderFrom(const char* xdgConfigHome, const char* home) {
    if (IsAbsoluteSetting(xdgConfigHome)) {
        return fs::path(xdgConfigHome) / kVendorFolder;
    }
    if (IsAbsoluteSetting(home)) {
        return fs::path(home) / ".config" / kVendorFolder;
    }
    return std::nullopt;
}

std::optional<fs::path> UserDataFolder() {
    return UserDataFolderFrom(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
}

fs::path ProgramFolder() {
    std::error_code error;
    const fs::path executable = fs::read_symlink("/proc/self/exe", error);
    return error ? fs::current_path(error) : executable.parent_path();
}

fs::path ExchangeFolder() {
    return ProgramFolder() / "Profiles";
}

void EnsureFolder(const fs::path& folder) {
    std::error_code error;
    const std::string text = folder.string();
    for (std::size_t at = text.find('/', 1); at != std::string::npos; at = text.find('/', at + 1)) {
        const fs::path prefix = text.substr(0, at);
        if (!fs::exists(fs::symlink_status(prefix, error))) {
            fs::create_directory(prefix, error);
        }
    }
    if (!text.empty()) {
        fs::create_directory(text, error);
    }
}

void EnsureFolders(const fs::path& path) {
    std::error_code error;
    if (fs::exists(fs::symlink_status(path, error))) {
        return;
    }
    const std::string text = path.string();
    const auto slash = text.rfind('/');
    const auto dot = text.rfind('.');
    const bool namesFile = dot != std::string::npos && (slash == std::string::npos || dot > slash);
    if (!namesFile) {
        EnsureFolder(path);
    } else if (slash != std::string::npos) {
        EnsureFolder(text.substr(0, slash));
    }
}

void EmptyFolder(const fs::path& folder) {
    std::error_code error;
    std::vector<fs::path> entries;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        entries.push_back(it->path());
    }
    for (const fs::path& entry : entries) {
        if (fs::is_directory(fs::symlink_status(entry, error))) {
            RemoveFolderTree(entry);
        } else {
            fs::remove(entry, error);
        }
    }
}

void RemoveFolderTree(const fs::path& folder) {
    EmptyFolder(folder);
    std::error_code error;
    fs::remove(folder, error);
}
