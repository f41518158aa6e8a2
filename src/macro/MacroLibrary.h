#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "macro/Macro.h"
#include "profile/ProfileRecord.h"

class WriteBudget;

// Every macro the user has, in order; stored as one .macro file per macro and the index
// macroList.dat in the macro folder.
class MacroLibrary {
  public:
    struct LoadReport {
        bool indexFound = false;
        std::vector<std::u16string> skipped;  // index entries whose file could not be read
    };
    struct SaveReport {
        std::error_code error;                // the library could not be saved at all
        std::vector<std::u16string> skipped;  // macros whose file could not be written
        bool Saved() const { return !error; }
    };

    // Appends the macros the folder's index lists. Without an index the library keeps what it
    // holds. Entries that cannot be read are skipped and reported; the others load.
    LoadReport Load(const std::filesystem::path& macroFolder);

    // Replaces the folder's contents with the library's files. Everything is first written to a
    // staging folder beside it and swapped in whole, so a failure leaves the old library as it
    // was. A macro's name may change to free its file name ("Run" → "Run1").
    SaveReport Save(const std::filesystem::path& macroFolder, WriteBudget* budget = nullptr);

    // The copy a profile carries for a button bound to the macro; nothing for an unknown id.
    std::optional<ProfileMacro> CopyForButton(std::int32_t macroId) const;

    CMacro* Find(std::int32_t macroId);
    const CMacro* Find(std::int32_t macroId) const;
    CMacro& Create(std::int32_t macroId, std::u16string name, const Rect& viewRect);
    // Removes every macro with the id; true when one was there.
    bool Remove(std::int32_t macroId);
    void ClearEvents(std::int32_t macroId);

    const std::vector<std::unique_ptr<CMacro>>& macros() const { return macros_; }
    std::size_t size() const { return macros_.size(); }

  private:
    std::vector<std::unique_ptr<CMacro>> macros_;  // stable addresses: the editor points in
};

// Where a macro's file goes inside the macro folder: its name and ".macro", a "/" making a
// subfolder; empty, "." and ".." components become "_" so no name leads outside the folder.
std::filesystem::path MacroFileName(const std::u16string& name);

// The macro folder inside the user data folder.
std::filesystem::path MacroFolderOf(const std::filesystem::path& userDataFolder);
