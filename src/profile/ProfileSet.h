#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "profile/ProfileCodec.h"
#include "profile/ProfileRecord.h"

// The program's five profiles, one per slot of the mouse, each bound to its default file in the
// user data folder.
class ProfileSet {
  public:
    static constexpr int kSlotCount = 5;

    // Builds the five records with their defaults and loads each one's default file. Touches
    // nothing on disk but those reads. Without a user data folder the records keep no file.
    ProfileSet(std::optional<std::filesystem::path> userDataFolder,
               std::optional<int> systemDoubleClickMs = std::nullopt);

    static std::filesystem::path DefaultFileName(int slot);  // "Default<slot>.profile"
    static std::u16string InitialName(int slot);             // "Profile<slot>"

    // Slots are 1 … 5 as the user sees them.
    ProfileRecord& Record(int slot);
    const ProfileRecord& Record(int slot) const;
    ProfileRecord& Selected() { return Record(selectedSlot_); }
    int SelectedSlot() const { return selectedSlot_; }
    void Select(int slot);

    struct SaveFailure {
        int slot;
        std::filesystem::path path;
        std::error_code error;
    };
    // Writes every record to its own file, slot 1 to 5, and returns what failed; a failure does
    // not stop the others.
    std::vector<SaveFailure> SaveAll(WriteBudget* budget = nullptr) const;
    std::error_code SaveOwnFile(int slot, WriteBudget* budget = nullptr) const;

    std::error_code Export(int slot, const std::filesystem::path& chosen) const;
    // Loads a chosen file into the slot's record, which keeps its own file and its slot number.
    ProfileReadStatus Import(int slot, const std::filesystem::path& chosen);

    // "Disable/Enable": slots 2 … 5 flip their enabled flag; slot 1 is never disabled, so the
    // mouse always keeps one profile to switch to. Returns the flag afterwards.
    std::int32_t ToggleEnabled(int slot);

  private:
    ProfileReadStatus LoadInto(int slot, const std::filesystem::path& path);

    std::optional<std::filesystem::path> profileFolder_;
    std::array<ProfileRecord, kSlotCount> records_;
    int selectedSlot_ = 1;
};

// The export dialog's proposed file: the exchange folder and the record's name.
std::filesystem::path ExportProposal(const std::filesystem::path& exchangeFolder,
                                     const ProfileRecord& record);
