#include "ui/app/ApplyFlow.h"

#include "core/device/DeviceCommands.h"
#include "core/profiles/ProfileUpload.h"

namespace orvex::ui {

bool SendProfilesToMouse(DeviceLink& link, const std::array<ProfileRecord, kSlotCount>& records,
                         std::uint8_t activeProfile) {
    if (!link.EnsureOpen()) {
        link.CloseMouse();
        return false;
    }
    for (const ProfileRecord& record : records) {
        static_cast<void>(UploadProfileImage(link, record));
    }
    return SetActiveProfile(link, activeProfile) == DeviceResult::Done;
}

}  // namespace orvex::ui
