#pragma once

#include <cstdint>
#include <optional>

namespace orvex::platform {

// The Windows virtual-key code of a Linux input key code (linux/input-event-codes.h; an X server's
// keycode minus 8). Shift, Control and Alt get their side-specific codes 160..165, never the
// generic 16..18. Keys without a virtual-key code give nothing.
std::optional<std::uint16_t> VirtualKeyFromEvdev(unsigned evdevCode);

// The same for an XKB keycode, as X servers and Wayland compositors number keys (and Qt hands
// them on as a key event's native scan code): the kernel's code shifted past the codes the X
// protocol reserves.
std::optional<std::uint16_t> VirtualKeyFromXkbKeycode(unsigned keycode);

}  // namespace orvex::platform
