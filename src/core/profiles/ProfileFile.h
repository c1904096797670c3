#pragma once

#include <filesystem>

#include "core/profiles/FileWrite.h"
#include "core/profiles/ProfileFormat.h"
#include "core/profiles/ProfileRecord.h"

namespace orvex {

inline constexpr char kProfileExtension[] = "profile";

// Writes the record to its file atomically; a failure leaves the old file as it was.
FileWriteResult SaveProfile(const ProfileRecord& record, const std::filesystem::path& path);

// Loads the file into the record. Anything but Loaded leaves every value of the record as it was.
ProfileLoadStatus LoadProfile(const std::filesystem::path& path, ProfileRecord& record);

// The file an export to the chosen path writes: the chosen path itself when its extension is
// exactly "profile" (case matters), otherwise the chosen path with ".profile" added, so
// "my.PROFILE" becomes "my.PROFILE.profile".
std::filesystem::path ExportTargetPath(const std::filesystem::path& chosen);

// Saves the record as it stands to the file the user chose for an export.
FileWriteResult ExportProfile(const ProfileRecord& record, const std::filesystem::path& chosen);

// Loads a chosen file into a slot's record; the record's own file path stays, so the import reaches
// the slot file at the next save. Anything but Loaded leaves the record unchanged.
ProfileLoadStatus ImportProfile(const std::filesystem::path& chosen, ProfileRecord& record);

// The file an export dialog suggests: <program data folder>/Profiles/<name>.profile, with
// characters that would leave the folder or are not allowed in file names replaced by "_".
std::filesystem::path SuggestedExportPath(const std::filesystem::path& programDataFolder,
                                          const ProfileRecord& record);

}  // namespace orvex
