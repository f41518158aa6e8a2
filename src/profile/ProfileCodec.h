#pragma once

#include <filesystem>
#include <system_error>

#include "profile/DataStream.h"
#include "profile/ProfileRecord.h"

// The .profile file: magic 12 06 33 01, then the record's fields and its seven macro copies.

enum class ProfileReadStatus {
    Loaded,
    CannotOpen,
    NotAProfile,  // the magic is wrong
    Truncated,    // ends early, or a count announces more than the file holds
};

void WriteProfile(DataStream& stream, const ProfileRecord& record);

// Decodes into a copy and commits only a whole record: on any failure the record stays as it was.
ProfileReadStatus ReadProfile(DataStream& stream, ProfileRecord& record);

std::error_code SaveProfile(const ProfileRecord& record, const std::filesystem::path& path,
                            WriteBudget* budget = nullptr);
std::error_code SaveProfileToOwnFile(const ProfileRecord& record, WriteBudget* budget = nullptr);

// Loads a whole file; the detailed form says why nothing was loaded.
bool LoadProfile(const std::filesystem::path& path, ProfileRecord& record);
ProfileReadStatus LoadProfileFile(const std::filesystem::path& path, ProfileRecord& record);

const char* Describe(ProfileReadStatus status);
