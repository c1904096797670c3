#include "platform/linux/EvdevVirtualKeys.h"

#include <linux/input-event-codes.h>

#include <algorithm>
#include <array>

#include "core/buttons/VirtualKeys.h"

namespace orvex::platform {
namespace {

constexpr unsigned kXkbKeycodeOffset = 8;

struct KeyPair {
    unsigned evdev;
    std::uint16_t virtualKey;
};

// Keys are named by where they sit, not by what the layout prints on them, as virtual-key codes of
// the US layout are: KEY_Q is 'Q' whatever the keyboard's language. The keypad gives its number
// codes whatever the Num Lock state, since raw key events do not carry it.
constexpr std::array kKeys = std::to_array<KeyPair>({
    {KEY_ESC, vk::kEscape},
    {KEY_1, '1'},
    {KEY_2, '2'},
    {KEY_3, '3'},
    {KEY_4, '4'},
    {KEY_5, '5'},
    {KEY_6, '6'},
    {KEY_7, '7'},
    {KEY_8, '8'},
    {KEY_9, '9'},
    {KEY_0, '0'},
    {KEY_MINUS, vk::kMinus},
    {KEY_EQUAL, vk::kEquals},
    {KEY_BACKSPACE, vk::kBack},
    {KEY_TAB, vk::kTab},
    {KEY_Q, 'Q'},
    {KEY_W, 'W'},
    {KEY_E, 'E'},
    {KEY_R, 'R'},
    {KEY_T, 'T'},
    {KEY_Y, 'Y'},
    {KEY_U, 'U'},
    {KEY_I, 'I'},
    {KEY_O, 'O'},
    {KEY_P, 'P'},
    {KEY_LEFTBRACE, vk::kLeftBracket},
    {KEY_RIGHTBRACE, vk::kRightBracket},
    {KEY_ENTER, vk::kReturn},
    {KEY_LEFTCTRL, vk::kLeftControl},
    {KEY_A, 'A'},
    {KEY_S, 'S'},
    {KEY_D, 'D'},
    {KEY_F, 'F'},
    {KEY_G, 'G'},
    {KEY_H, 'H'},
    {KEY_J, 'J'},
    {KEY_K, 'K'},
    {KEY_L, 'L'},
    {KEY_SEMICOLON, vk::kSemicolon},
    {KEY_APOSTROPHE, vk::kApostrophe},
    {KEY_GRAVE, vk::kGrave},
    {KEY_LEFTSHIFT, vk::kLeftShift},
    {KEY_BACKSLASH, vk::kBackslash},
    {KEY_Z, 'Z'},
    {KEY_X, 'X'},
    {KEY_C, 'C'},
    {KEY_V, 'V'},
    {KEY_B, 'B'},
    {KEY_N, 'N'},
    {KEY_M, 'M'},
    {KEY_COMMA, vk::kComma},
    {KEY_DOT, vk::kPeriod},
    {KEY_SLASH, vk::kSlash},
    {KEY_RIGHTSHIFT, vk::kRightShift},
    {KEY_KPASTERISK, vk::kMultiply},
    {KEY_LEFTALT, vk::kLeftAlt},
    {KEY_SPACE, vk::kSpace},
    {KEY_CAPSLOCK, vk::kCapsLock},
    {KEY_F1, vk::kF1},
    {KEY_F2, vk::kF2},
    {KEY_F3, vk::kF3},
    {KEY_F4, vk::kF4},
    {KEY_F5, vk::kF5},
    {KEY_F6, vk::kF6},
    {KEY_F7, vk::kF7},
    {KEY_F8, vk::kF8},
    {KEY_F9, vk::kF9},
    {KEY_F10, vk::kF10},
    {KEY_NUMLOCK, vk::kNumLock},
    {KEY_SCROLLLOCK, vk::kScrollLock},
    {KEY_KP7, vk::kNumpad7},
    {KEY_KP8, vk::kNumpad8},
    {KEY_KP9, vk::kNumpad9},
    {KEY_KPMINUS, vk::kSubtract},
    {KEY_KP4, vk::kNumpad4},
    {KEY_KP5, vk::kNumpad5},
    {KEY_KP6, vk::kNumpad6},
    {KEY_KPPLUS, vk::kAdd},
    {KEY_KP1, vk::kNumpad1},
    {KEY_KP2, vk::kNumpad2},
    {KEY_KP3, vk::kNumpad3},
    {KEY_KP0, vk::kNumpad0},
    {KEY_KPDOT, vk::kDecimal},
    {KEY_102ND, vk::kIsoExtraKey},
    {KEY_F11, vk::kF11},
    {KEY_F12, vk::kF12},
    {KEY_HENKAN, vk::kConvert},
    {KEY_MUHENKAN, vk::kNonConvert},
    {KEY_KPENTER, vk::kReturn},  // Windows tells it from Enter only by a flag, not by its code
    {KEY_RIGHTCTRL, vk::kRightControl},
    {KEY_KPSLASH, vk::kDivide},
    {KEY_SYSRQ, vk::kPrintScreen},
    {KEY_RIGHTALT, vk::kRightAlt},
    {KEY_HOME, vk::kHome},
    {KEY_UP, vk::kUp},
    {KEY_PAGEUP, vk::kPageUp},
    {KEY_LEFT, vk::kLeft},
    {KEY_RIGHT, vk::kRight},
    {KEY_END, vk::kEnd},
    {KEY_DOWN, vk::kDown},
    {KEY_PAGEDOWN, vk::kPageDown},
    {KEY_INSERT, vk::kInsert},
    {KEY_DELETE, vk::kDelete},
    {KEY_MUTE, vk::kVolumeMute},
    {KEY_VOLUMEDOWN, vk::kVolumeDown},
    {KEY_VOLUMEUP, vk::kVolumeUp},
    {KEY_PAUSE, vk::kPause},
    {KEY_KPCOMMA, vk::kSeparator},
    {KEY_HANGEUL, vk::kHangul},
    {KEY_HANJA, vk::kHanja},
    {KEY_LEFTMETA, vk::kLeftWindows},
    {KEY_RIGHTMETA, vk::kRightWindows},
    {KEY_COMPOSE, vk::kApps},
    {KEY_STOP, vk::kBrowserStop},
    {KEY_HELP, vk::kHelp},
    {KEY_CALC, vk::kLaunchApp2},
    {KEY_SLEEP, vk::kSleep},
    {KEY_MAIL, vk::kLaunchMail},
    {KEY_BOOKMARKS, vk::kBrowserFavorites},
    {KEY_COMPUTER, vk::kLaunchApp1},
    {KEY_BACK, vk::kBrowserBack},
    {KEY_FORWARD, vk::kBrowserForward},
    {KEY_NEXTSONG, vk::kMediaNextTrack},
    {KEY_PLAYPAUSE, vk::kMediaPlayPause},
    {KEY_PREVIOUSSONG, vk::kMediaPreviousTrack},
    {KEY_STOPCD, vk::kMediaStop},
    {KEY_HOMEPAGE, vk::kBrowserHome},
    {KEY_REFRESH, vk::kBrowserRefresh},
    {KEY_F13, vk::kF13},
    {KEY_F14, vk::kF14},
    {KEY_F15, vk::kF15},
    {KEY_F16, vk::kF16},
    {KEY_F17, vk::kF17},
    {KEY_F18, vk::kF18},
    {KEY_F19, vk::kF19},
    {KEY_F20, vk::kF20},
    {KEY_F21, vk::kF21},
    {KEY_F22, vk::kF22},
    {KEY_F23, vk::kF23},
    {KEY_F24, vk::kF24},
    {KEY_PLAYCD, vk::kMediaPlayPause},   // X's keymap sends the play key as this code
    {KEY_PAUSECD, vk::kMediaPlayPause},  // and the pause key as this one
    {KEY_PLAY, vk::kPlay},
    {KEY_PRINT, vk::kPrint},
    {KEY_SEARCH, vk::kBrowserSearch},
    {KEY_MEDIA, vk::kLaunchMediaSelect},
});

}  // namespace

std::optional<std::uint16_t> VirtualKeyFromEvdev(unsigned evdevCode) {
    const auto found = std::find_if(kKeys.begin(), kKeys.end(), [evdevCode](const KeyPair& key) {
        return key.evdev == evdevCode;
    });
    if (found == kKeys.end()) {
        return std::nullopt;
    }
    return found->virtualKey;
}

std::optional<std::uint16_t> VirtualKeyFromXkbKeycode(unsigned keycode) {
    if (keycode < kXkbKeycodeOffset) {
        return std::nullopt;
    }
    return VirtualKeyFromEvdev(keycode - kXkbKeycodeOffset);
}

}  // namespace orvex::platform
