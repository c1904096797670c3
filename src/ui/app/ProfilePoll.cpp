#include "ui/app/ProfilePoll.h"

#include "core/device/DeviceCommands.h"

namespace orvex::ui {

std::optional<int> ProfilePoll::Tick(DeviceLink& link,
                                     const std::array<ProfileRecord, kSlotCount>& records) {
    const DeviceReply<std::uint8_t> active = ReadActiveProfile(link);
    if (!active.ok() || active.value == lastSeen_) {
        return std::nullopt;
    }
    lastSeen_ = active.value;
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        if (records[static_cast<std::size_t>(slot - 1)].slotIndex == active.value) {
            return slot;
        }
    }
    return std::nullopt;
}

}  // namespace orvex::ui
