#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace orvex {

// The mouse plays at most this many events of one button's macro; later ones are dropped.
inline constexpr std::size_t kMaxDeviceMacroEvents = 128;
// Over all nine buttons of a profile; an image with more is refused.
inline constexpr std::size_t kMaxImageMacroEvents = 164;

// A macro event as the mouse receives it: key codes are USB HID usages.
struct DeviceMacroEvent {
    std::uint8_t type = 0;
    std::uint16_t code = 0;
    std::uint8_t release = 0;
    std::int32_t delay = 0;

    friend bool operator==(const DeviceMacroEvent&, const DeviceMacroEvent&) = default;
};

// One button's macro, converted for the device image.
struct DeviceMacro {
    std::vector<DeviceMacroEvent> events;  // at most kMaxDeviceMacroEvents

    std::size_t count() const { return events.size(); }
    // No release event at all: the mouse holds the keys down while the button is held.
    bool IsHoldMacro() const;

    friend bool operator==(const DeviceMacro&, const DeviceMacro&) = default;
};

}  // namespace orvex
