#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace orvex {

// What a button does, as stored in a binding's `code`. Code 7 is unused by the firmware protocol;
// 16 and above are macro ids in the function menus, never stored codes.
enum class ButtonFunction : std::uint8_t {
    LeftClick = 0,
    RightClick = 1,
    ScrollClick = 2,
    Forward = 3,
    Back = 4,
    DpiUp = 5,
    DpiDown = 6,
    ProfileSwitchRoll = 8,
    ProfileSwitchUp = 9,
    ProfileSwitchDown = 10,
    ScrollUp = 11,
    ScrollDown = 12,
    SingleKey = 13,
    RecordMacro = 14,
    DisableButton = 15,
};

// Menu id of the "Default Commands" heading; never stored in a binding.
inline constexpr int kDefaultCommandsMenuId = 255;
inline constexpr std::u16string_view kDefaultCommandsText = u"Default Commands";

// The function with this code, or none for 7, negative codes and codes above 15.
std::optional<ButtonFunction> ButtonFunctionFromCode(int code);

// The text under which the function is offered in the button menus. SingleKey and RecordMacro
// show a key or macro name on the page instead; that is the caller's choice.
std::u16string_view ButtonFunctionMenuText(ButtonFunction function);

constexpr std::uint8_t ToCode(ButtonFunction function) {
    return static_cast<std::uint8_t>(function);
}

}  // namespace orvex
