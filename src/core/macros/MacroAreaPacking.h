#pragma once

#include <array>
#include <cstddef>

#include "core/macros/DeviceMacro.h"
#include "core/profiles/ButtonBinding.h"
#include "core/profiles/DeviceProfileImage.h"

namespace orvex {

inline constexpr std::size_t kMacroEventRecordSize = 7;

// Sum of the events of the nine buttons' macros.
std::size_t TotalMacroEvents(const std::array<DeviceMacro, kButtonCount>& macros);

// Writes the macros of the buttons whose slot is a macro slot into the macro area, button 0 first,
// each followed by a 7-byte terminator, and points each such slot at its events. `slotOffsets`
// gives each button's slot in the image. Returns false and writes nothing when the macros hold
// more than kMaxImageMacroEvents events in total, so the area can never run past the image.
bool PackMacroArea(DeviceProfileImage& image,
                   const std::array<std::size_t, kButtonCount>& slotOffsets,
                   const std::array<DeviceMacro, kButtonCount>& macros);

}  // namespace orvex
