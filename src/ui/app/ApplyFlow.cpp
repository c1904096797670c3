#include "ui/app/ApplyFlow.h"

#include "core/device/DeviceCommands.h"
#include "core/profiles/ProfileUpload.h"

namespace orvex::ui {

bool SendProfilesToMouse(DeviceLink& link, const std::array<ProfileRecord, kSlotCount>& records,
                         std::uint8_t activeProfile, Log& log) {
    if (!link.EnsureOpen()) {
        LogLine(&log, "apply", "mouse not found");
        link.CloseMouse();
        return false;
    }
    for (const ProfileRecord& record : records) {
        const DeviceResult uploaded = UploadProfileImage(link, record);
        if (uploaded != DeviceResult::Done) {
            LogLine(&log, "apply",
                    "slot " + std::to_string(record.slotIndex + 1) + " upload ended with result " +
                        std::to_string(static_cast<int>(uploaded)));
        }
    }
    const DeviceResult activated = SetActiveProfile(link, activeProfile);
    if (activated != DeviceResult::Done) {
        LogLine(&log, "apply",
                "making profile " + std::to_string(activeProfile + 1) +
                    " active ended with result " + std::to_string(static_cast<int>(activated)));
    }
    return activated == DeviceResult::Done;
}

}  // namespace orvex::ui
