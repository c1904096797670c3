#pragma once

#include <cstdint>
#include <string_view>

#include "core/device/HidTransport.h"

namespace orvex {

inline constexpr std::uint16_t kOrvexVendorId = 0x2A3C;
inline constexpr std::uint16_t kOrvexProductId = 0x3B19;

// The vendor-defined collection that carries the command reports; the mouse's other collections
// (the pointer itself) are never opened.
inline constexpr HidUsage kOrvexCommandCollection{0xFF01, 0x0002};

// Whether a device name from a hot-plug notification belongs to the mouse: it holds the vendor id
// as "2A3C" or "2a3c" and the product id "3B19" in any case, each after the first character.
bool IsOrvexDeviceName(std::string_view name);

}  // namespace orvex
