#pragma once

#include <cstdint>

namespace orvex {

// The USB HID keyboard usage the mouse sends for a Windows virtual-key code. Codes without a
// usage here (the generic Shift, Control and Alt, the mouse buttons, anything above 0xFF) pass
// through unchanged.
std::uint16_t TranslateKeyCode(std::uint16_t virtualKey);

}  // namespace orvex
