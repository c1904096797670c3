#pragma once

#include <array>
#include <cstdint>

#include "core/device/DeviceLink.h"
#include "core/log/Log.h"
#include "core/profiles/ConfigFolders.h"
#include "core/profiles/ProfileRecord.h"

namespace orvex::ui {

// The mouse's part of Apply: looks the mouse up unless it is known to be present, sends the five
// profiles in slot order and makes `activeProfile` the active one. A failed upload is logged and
// the next slot goes on; only the mouse taking the active profile counts. False when the mouse
// was not found (its handle is then closed, so the next Apply searches afresh) or did not take
// the profile.
bool SendProfilesToMouse(DeviceLink& link, const std::array<ProfileRecord, kSlotCount>& records,
                         std::uint8_t activeProfile, Log& log);

}  // namespace orvex::ui
