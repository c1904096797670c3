#pragma once

#include <array>
#include <filesystem>

#include "core/profiles/ConfigFolders.h"
#include "core/profiles/ProfileFile.h"
#include "core/profiles/ProfileRecord.h"

namespace orvex {

struct SlotProfiles {
    std::array<ProfileRecord, kSlotCount> records;
    // How each slot file loaded; Missing is the normal first start, the record keeps its defaults.
    std::array<ProfileLoadStatus, kSlotCount> loadStatus{};
};

// Slot n's record (1 ... 5) before its file is read: defaults, slot index n - 1, name "Profile<n>",
// its slot file path under the program folder.
ProfileRecord MakeSlotProfile(const std::filesystem::path& programDataFolder, int slot);

// The five records as the program starts: defaults, slot index 0 ... 4, names "Profile1" ...
// "Profile5", each with its slot file path under the program folder, then loaded from that file.
SlotProfiles LoadSlotProfiles(const std::filesystem::path& programDataFolder);

// Writes every record to its own file, slot 1 first; a failed slot does not stop the others.
std::array<FileWriteResult, kSlotCount> SaveSlotProfiles(
    const std::array<ProfileRecord, kSlotCount>& records);

}  // namespace orvex
