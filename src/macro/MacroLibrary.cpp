#include "macro/MacroLibrary.h"

#include <fcntl.h>
#include <stdio.h>
#include <unistd.h>

#include <algorithm>

#include "macro/MacroFiles.h"
#include "profile/DataStream.h"
#include "profile/Folders.h"
#include "profile/PathText.h"

namespace fs = std::filesystem;

namespace {

const char* const kIndexName = "macroList.dat";

fs::path Beside(const fs::path& folder, const std::string& what) {
    return folder.parent_path() /
           ("." + folder.filename().string() + "." + what + "-" + std::to_string(::getpid()));
}

// A macro whose name cannot be a file name is left out; any other failure stops the save.
bool IsNameError(const std::error_code& error) {
    return error == std::errc::filename_too_long || error == std::errc::invalid_argument ||
           error == std::errc::illegal_byte_sequence || error == std::errc::is_a_directory ||
           error == std::errc::not_a_directory;
}

// Puts the staged folder in the macro folder's place in one step, so that no moment leaves the
// program without a library; file systems without the exchange get two renames.
std::error_code SwapIn(const fs::path& staging, const fs::path& macroFolder) {
    std::error_code error;
    if (!fs::exists(fs::symlink_status(macroFolder, error))) {
        fs::rename(staging, macroFolder, error);
    } else if (::renameat2(AT_FDCWD, staging.c_str(), AT_FDCWD, macroFolder.c_str(),
                           RENAME_EXCHANGE) == 0) {
        RemoveFolderTree(staging);  // now holds the old library
        return {};
    } else {
        const fs::path old = Beside(macroFolder, "old");
        RemoveFolderTree(old);
        fs::rename(macroFolder, old, error);
        if (!error) {
            fs::rename(staging, macroFolder, error);
            std::error_code ignored;
            if (error) {
                fs::rename(old, macroFolder, ignored);
            } else {
                RemoveFolderTree(old);
            }
        }
    }
    if (error) {
        RemoveFolderTree(staging);
    }
    return error;
}

}  // namespace

fs::path MacroFileName(const std::u16string& name) {
    fs::path relative;
    std::u16string component;
    auto flush = [&](bool last) {
        const bool unsafe = component.empty() || component == u"." || component == u"..";
        std::u16string safe = unsafe ? u"_" : component;
        if (last) {
            safe += u".macro";
        }
        relative /= PathFromUtf16(safe);
        component.clear();
    };
    for (char16_t unit : name) {
        if (unit == u'/') {
            flush(false);
        } else {
            component += unit;
        }
    }
    flush(true);
    return relative;
}

fs::path MacroFolderOf(const fs::path& userDataFolder) {
    return userDataFolder / "Macros";
}

MacroLibrary::LoadReport MacroLibrary::Load(const fs::path& macroFolder) {
    LoadReport report;
    DataStream index(DataStream::Mode::Read);
    if (!index.LoadFile(macroFolder / kIndexName)) {
        return report;
    }
    report.indexFound = true;
    for (const std::u16string& path : ReadMacroIndex(index)) {
        DataStream file(DataStream::Mode::Read);
        auto macro = std::make_unique<CMacro>();
        if (!file.LoadFile(PathFromUtf16(path)) || !ReadMacroFile(file, *macro)) {
            report.skipped.push_back(path);
            continue;
        }
        macros_.push_back(std::move(macro));
    }
    return report;
}

MacroLibrary::SaveReport MacroLibrary::Save(const fs::path& macroFolder, WriteBudget* budget) {
    SaveReport report;
    if (macroFolder.native().size() < 4) {
        return report;  // no real folder: nothing is saved
    }
    EnsureFolder(macroFolder.parent_path());
    const fs::path staging = Beside(macroFolder, "staging");
    RemoveFolderTree(staging);
    std::error_code error;
    if (!fs::create_directory(staging, error)) {
        report.error = error ? error : std::make_error_code(std::errc::file_exists);
        return report;
    }
    std::vector<std::u16string> paths;
    for (const auto& macro : macros_) {
        // Names the file system takes for one file (Run and run on some) get a "1" appended.
        while (fs::exists(staging / MacroFileName(macro->name), error)) {
            macro->name += u'1';
        }
        DataStream stream;
        WriteMacroFile(stream, *macro);
        const fs::path relative = MacroFileName(macro->name);
        if (std::error_code failed = stream.SaveFile(staging / relative, budget)) {
            if (!IsNameError(failed)) {
                RemoveFolderTree(staging);  // a full or failing disk: keep the old library
                report.error = failed;
                return report;
            }
            report.skipped.push_back(macro->name);
            continue;
        }
        paths.push_back(Utf16FromPath(macroFolder / relative));
    }
    DataStream index;
    WriteMacroIndex(index, paths);
    if (std::error_code failed = index.SaveFile(staging / kIndexName, budget)) {
        RemoveFolderTree(staging);
        report.error = failed;
        return report;
    }
    report.error = SwapIn(staging, macroFolder);
    return report;
}

std::optional<ProfileMacro> MacroLibrary::CopyForButton(std::int32_t macroId) const {
    const CMacro* macro = Find(macroId);
    if (!macro) {
        return std::nullopt;
    }
    ProfileMacro copy{macro->name, macroId, {}};
    copy.events.reserve(macro->events.size());
    for (const CEventItem& event : macro->events) {
        copy.events.push_back({event.kind, event.keyCode, event.direction, event.delay});
    }
    return copy;
}

CMacro* MacroLibrary::Find(std::int32_t macroId) {
    for (const auto& macro : macros_) {
        if (macro->macroId == macroId) {
            return macro.get();
        }
    }
    return nullptr;
}

const CMacro* MacroLibrary::Find(std::int32_t macroId) const {
    return const_cast<MacroLibrary*>(this)->Find(macroId);
}

CMacro& MacroLibrary::Create(std::int32_t macroId, std::u16string name, const Rect& viewRect) {
    auto macro = std::make_unique<CMacro>();
    macro->macroId = macroId;
    macro->name = std::move(name);
    macro->viewRect = viewRect;
    macros_.push_back(std::move(macro));
    return *macros_.back();
}

bool MacroLibrary::Remove(std::int32_t macroId) {
    const auto removed =
        std::erase_if(macros_, [&](const auto& m) { return m->macroId == macroId; });
    return removed > 0;
}

void MacroLibrary::ClearEvents(std::int32_t macroId) {
    if (CMacro* macro = Find(macroId)) {
        macro->events.clear();
    }
}
