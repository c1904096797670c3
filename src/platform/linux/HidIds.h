#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace orvex::platform {

struct HidIds {
    std::uint16_t bus = 0;
    std::uint16_t vendorId = 0;
    std::uint16_t productId = 0;

    friend bool operator==(const HidIds&, const HidIds&) = default;
};

// The ids from the HID_ID property of a device on the "hid" bus, e.g. "0003:00002A3C:00003B19"
// (bus, vendor, product in hex). Nothing when the text is not of that shape or an id does not fit
// 16 bits: such a device cannot be the mouse, and a truncated id could falsely look like it.
std::optional<HidIds> ParseHidId(std::string_view text);

}  // namespace orvex::platform
