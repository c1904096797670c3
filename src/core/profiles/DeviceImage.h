#pragma once

#include <array>
#include <cstddef>
#include <optional>

#include "core/macros/DeviceMacro.h"
#include "core/profiles/DeviceProfileImage.h"
#include "core/profiles/ProfileRecord.h"

namespace orvex {

struct DeviceImageBuild {
    // None when the record was refused: its macros hold more than kMaxImageMacroEvents events.
    std::optional<DeviceProfileImage> image;
    std::array<DeviceMacro, kButtonCount> macros;  // per button; empty unless bound to a macro
    std::size_t totalMacroEvents = 0;

    bool refused() const { return !image.has_value(); }
};

// Packs the record into the image the mouse stores: settings, the button slots and the macro area.
DeviceImageBuild BuildDeviceImage(const ProfileRecord& record);

// Offset of the 7-byte slot that button 0 ... 8 fills: slots 0 ... 6 for buttons 0 ... 6, slots
// 10 and 11 for buttons 7 and 8 (slots 7 ... 9 stay empty).
std::size_t ButtonSlotOffset(std::size_t button);

// Button b's macro as the mouse takes it: the first 128 events of the record's copy with key codes
// translated, or no events when the copy is not the macro the binding names.
DeviceMacro ConvertToDeviceMacro(const ProfileMacro& macro, const ButtonBinding& binding);

}  // namespace orvex
