#pragma once

#include <cstdint>

#include "core/buttons/VirtualKeys.h"

namespace orvex {

// Event types of a macro.
inline constexpr std::uint8_t kKeyEventType = 1;
inline constexpr std::uint8_t kMouseButtonEventType = 16;
inline constexpr std::uint8_t kWheelEventType = 17;

// Codes of mouse-button events: the Windows virtual-key codes of the buttons (166 and 167 are the
// browser back and forward keys, which the mouse's side buttons stand for).
inline constexpr std::int16_t kLeftButtonCode = vk::kLeftButton;
inline constexpr std::int16_t kRightButtonCode = vk::kRightButton;
inline constexpr std::int16_t kMiddleButtonCode = vk::kMiddleButton;
inline constexpr std::int16_t kBackButtonCode = vk::kBrowserBack;
inline constexpr std::int16_t kForwardButtonCode = vk::kBrowserForward;

// Codes of wheel events: virtual-key codes assigned to no key, one notch each.
inline constexpr std::int16_t kWheelUpCode = 151;
inline constexpr std::int16_t kWheelDownCode = 152;

inline constexpr std::uint8_t kEventPress = 0;
inline constexpr std::uint8_t kEventRelease = 1;

// One macro event. Keys are Windows virtual-key codes in every form of a macro except the device
// image, which carries USB HID usages.
struct CMacroEvent {
    std::uint8_t type = 0;
    std::int16_t code = 0;
    std::uint8_t release = kEventPress;
    std::int32_t delay = 0;  // milliseconds before the event

    friend bool operator==(const CMacroEvent&, const CMacroEvent&) = default;
};

}  // namespace orvex
