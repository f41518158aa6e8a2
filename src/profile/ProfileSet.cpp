#include "profile/ProfileSet.h"

#include <stdexcept>

#include "profile/PathText.h"

namespace fs = std::filesystem;

ProfileSet::ProfileSet(std::optional<fs::path> userDataFolder,
                       std::optional<int> systemDoubleClickMs) {
    if (userDataFolder) {
        profileFolder_ = *userDataFolder / "Profiles";
    }
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        ProfileRecord& record = Record(slot);
        record = ProfileRecord(systemDoubleClickMs);
        record.slotIndex = static_cast<std::uint8_t>(slot - 1);
        record.name = InitialName(slot);
        if (profileFolder_) {
            record.filePath = Utf16FromPath(*profileFolder_ / DefaultFileName(slot));
            LoadInto(slot, PathFromUtf16(record.filePath));
        }
    }
}

fs::path ProfileSet::DefaultFileName(int slot) {
    return "Default" + std::to_string(slot) + ".profile";
}

std::u16string ProfileSet::InitialName(int slot) {
    return u"Profile" + std::u16string(1, static_cast<char16_t>(u'0' + slot));
}

ProfileRecord& ProfileSet::Record(int slot) {
    if (slot < 1 || slot > kSlotCount) {
        throw std::out_of_range("profile slot " + std::to_string(slot));
    }
    return records_[std::size_t(slot - 1)];
}

const ProfileRecord& ProfileSet::Record(int slot) const {
    return const_cast<ProfileSet*>(this)->Record(slot);
}

void ProfileSet::Select(int slot) {
    Record(slot);  // validates
    selectedSlot_ = slot;
}

std::vector<ProfileSet::SaveFailure> ProfileSet::SaveAll(WriteBudget* budget) const {
    std::vector<SaveFailure> failures;
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        if (std::error_code error = SaveOwnFile(slot, budget)) {
            failures.push_back({slot, PathFromUtf16(Record(slot).filePath), error});
        }
    }
    return failures;
}

std::error_code ProfileSet::SaveOwnFile(int slot, WriteBudget* budget) const {
    const ProfileRecord& record = Record(slot);
    if (record.filePath.empty()) {
        // No user data folder: never fall back to a relative path.
        return std::make_error_code(std::errc::no_such_file_or_directory);
    }
    return SaveProfileToOwnFile(record, budget);
}

std::error_code ProfileSet::Export(int slot, const fs::path& chosen) const {
    return SaveProfile(Record(slot), chosen);
}

ProfileReadStatus ProfileSet::Import(int slot, const fs::path& chosen) {
    return LoadInto(slot, chosen);
}

ProfileReadStatus ProfileSet::LoadInto(int slot, const fs::path& path) {
    ProfileRecord& record = Record(slot);
    const ProfileReadStatus status = LoadProfileFile(path, record);
    // A file saved from another slot must not move this record onto that slot of the mouse.
    record.slotIndex = static_cast<std::uint8_t>(slot - 1);
    return status;
}

std::int32_t ProfileSet::ToggleEnabled(int slot) {
    ProfileRecord& record = Record(slot);
    if (slot != 1) {
        record.enabled = record.enabled ? 0 : 1;
    }
    return record.enabled;
}

fs::path ExportProposal(const fs::path& exchangeFolder, const ProfileRecord& record) {
    return exchangeFolder / PathFromUtf16(record.name + u".profile");
}
