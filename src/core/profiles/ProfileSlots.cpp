#include "core/profiles/ProfileSlots.h"

#include <string>

namespace orvex {

ProfileRecord MakeSlotProfile(const std::filesystem::path& programDataFolder, int slot) {
    ProfileRecord record = MakeDefaultProfile();
    record.slotIndex = static_cast<std::uint8_t>(slot - 1);
    record.name = u"Profile" + std::u16string(1, static_cast<char16_t>(u'0' + slot));
    record.filePath = SlotProfilePath(programDataFolder, slot);
    return record;
}

SlotProfiles LoadSlotProfiles(const std::filesystem::path& programDataFolder) {
    SlotProfiles slots;
    for (int n = 1; n <= kSlotCount; ++n) {
        ProfileRecord& record = slots.records[static_cast<std::size_t>(n - 1)];
        record = MakeSlotProfile(programDataFolder, n);
        slots.loadStatus[static_cast<std::size_t>(n - 1)] = LoadProfile(record.filePath, record);
    }
    return slots;
}

std::array<FileWriteResult, kSlotCount> SaveSlotProfiles(
    const std::array<ProfileRecord, kSlotCount>& records) {
    std::array<FileWriteResult, kSlotCount> results;
    for (std::size_t slot = 0; slot < records.size(); ++slot) {
        results[slot] = SaveProfile(records[slot], records[slot].filePath);
    }
    return results;
}

}  // namespace orvex
