#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace orvex {

// The form in which the mouse stores one profile; multi-byte numbers are little-endian.
inline constexpr std::size_t kDeviceImageSize = 2048;
using DeviceProfileImage = std::array<std::uint8_t, kDeviceImageSize>;

// Twelve 7-byte button slots from offset 101: type, value, macro offset (2), event count (2), 0x0F.
inline constexpr std::size_t kButtonSlotsOffset = 101;
inline constexpr std::size_t kButtonSlotSize = 7;
inline constexpr std::size_t kButtonSlotCount = 12;
inline constexpr std::uint8_t kButtonSlotEnd = 0x0F;
inline constexpr std::uint8_t kMacroSlotType = 0x03;
inline constexpr std::uint8_t kHoldMacroValue = 0xFE;

// The macro area: event records of the macro-bound buttons from here to the end of the image.
inline constexpr std::size_t kMacroAreaOffset = 800;

}  // namespace orvex
