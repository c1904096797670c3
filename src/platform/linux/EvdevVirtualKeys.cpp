#include "platform/linux/EvdevVirtualKeys.h"

#include <linux/input-event-codes.h>

#include <algorithm>
#include <array>

namespace orvex::platform {
namespace {

struct KeyPair {
    unsigned evdev;
    std::uint16_t virtualKey;
};

// Keys are named by where they sit, not by what the layout prints on them, as virtual-key codes of
// the US layout are: KEY_Q is 'Q' whatever the keyboard's language. The keypad gives its number
// codes whatever the Num Lock state, since raw key events do not carry it.
constexpr std::array kKeys = std::to_array<KeyPair>({
    {KEY_ESC, 0x1B},
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
    {KEY_MINUS, 0xBD},      // VK_OEM_MINUS
    {KEY_EQUAL, 0xBB},      // VK_OEM_PLUS
    {KEY_BACKSPACE, 0x08},  // VK_BACK
    {KEY_TAB, 0x09},
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
    {KEY_LEFTBRACE, 0xDB},   // VK_OEM_4
    {KEY_RIGHTBRACE, 0xDD},  // VK_OEM_6
    {KEY_ENTER, 0x0D},
    {KEY_LEFTCTRL, 0xA2},
    {KEY_A, 'A'},
    {KEY_S, 'S'},
    {KEY_D, 'D'},
    {KEY_F, 'F'},
    {KEY_G, 'G'},
    {KEY_H, 'H'},
    {KEY_J, 'J'},
    {KEY_K, 'K'},
    {KEY_L, 'L'},
    {KEY_SEMICOLON, 0xBA},   // VK_OEM_1
    {KEY_APOSTROPHE, 0xDE},  // VK_OEM_7
    {KEY_GRAVE, 0xC0},       // VK_OEM_3
    {KEY_LEFTSHIFT, 0xA0},
    {KEY_BACKSLASH, 0xDC},  // VK_OEM_5
    {KEY_Z, 'Z'},
    {KEY_X, 'X'},
    {KEY_C, 'C'},
    {KEY_V, 'V'},
    {KEY_B, 'B'},
    {KEY_N, 'N'},
    {KEY_M, 'M'},
    {KEY_COMMA, 0xBC},  // VK_OEM_COMMA
    {KEY_DOT, 0xBE},    // VK_OEM_PERIOD
    {KEY_SLASH, 0xBF},  // VK_OEM_2
    {KEY_RIGHTSHIFT, 0xA1},
    {KEY_KPASTERISK, 0x6A},
    {KEY_LEFTALT, 0xA4},
    {KEY_SPACE, 0x20},
    {KEY_CAPSLOCK, 0x14},
    {KEY_F1, 0x70},
    {KEY_F2, 0x71},
    {KEY_F3, 0x72},
    {KEY_F4, 0x73},
    {KEY_F5, 0x74},
    {KEY_F6, 0x75},
    {KEY_F7, 0x76},
    {KEY_F8, 0x77},
    {KEY_F9, 0x78},
    {KEY_F10, 0x79},
    {KEY_NUMLOCK, 0x90},
    {KEY_SCROLLLOCK, 0x91},
    {KEY_KP7, 0x67},
    {KEY_KP8, 0x68},
    {KEY_KP9, 0x69},
    {KEY_KPMINUS, 0x6D},
    {KEY_KP4, 0x64},
    {KEY_KP5, 0x65},
    {KEY_KP6, 0x66},
    {KEY_KPPLUS, 0x6B},
    {KEY_KP1, 0x61},
    {KEY_KP2, 0x62},
    {KEY_KP3, 0x63},
    {KEY_KP0, 0x60},
    {KEY_KPDOT, 0x6E},
    {KEY_102ND, 0xE2},  // VK_OEM_102, the extra key of ISO keyboards
    {KEY_F11, 0x7A},
    {KEY_F12, 0x7B},
    {KEY_HENKAN, 0x1C},    // VK_CONVERT
    {KEY_MUHENKAN, 0x1D},  // VK_NONCONVERT
    {KEY_KPENTER, 0x0D},   // Windows tells it from Enter only by a flag, not by its code
    {KEY_RIGHTCTRL, 0xA3},
    {KEY_KPSLASH, 0x6F},
    {KEY_SYSRQ, 0x2C},  // Print Screen: VK_SNAPSHOT
    {KEY_RIGHTALT, 0xA5},
    {KEY_HOME, 0x24},
    {KEY_UP, 0x26},
    {KEY_PAGEUP, 0x21},
    {KEY_LEFT, 0x25},
    {KEY_RIGHT, 0x27},
    {KEY_END, 0x23},
    {KEY_DOWN, 0x28},
    {KEY_PAGEDOWN, 0x22},
    {KEY_INSERT, 0x2D},
    {KEY_DELETE, 0x2E},
    {KEY_MUTE, 0xAD},
    {KEY_VOLUMEDOWN, 0xAE},
    {KEY_VOLUMEUP, 0xAF},
    {KEY_PAUSE, 0x13},
    {KEY_KPCOMMA, 0x6C},  // VK_SEPARATOR
    {KEY_HANGEUL, 0x15},
    {KEY_HANJA, 0x19},
    {KEY_LEFTMETA, 0x5B},
    {KEY_RIGHTMETA, 0x5C},
    {KEY_COMPOSE, 0x5D},  // the context-menu key: VK_APPS
    {KEY_STOP, 0xA9},     // VK_BROWSER_STOP
    {KEY_HELP, 0x2F},
    {KEY_CALC, 0xB7},  // VK_LAUNCH_APP2
    {KEY_SLEEP, 0x5F},
    {KEY_MAIL, 0xB4},
    {KEY_BOOKMARKS, 0xAB},  // VK_BROWSER_FAVORITES
    {KEY_COMPUTER, 0xB6},   // VK_LAUNCH_APP1
    {KEY_BACK, 0xA6},
    {KEY_FORWARD, 0xA7},
    {KEY_NEXTSONG, 0xB0},
    {KEY_PLAYPAUSE, 0xB3},
    {KEY_PREVIOUSSONG, 0xB1},
    {KEY_STOPCD, 0xB2},  // VK_MEDIA_STOP
    {KEY_HOMEPAGE, 0xAC},
    {KEY_REFRESH, 0xA8},
    {KEY_F13, 0x7C},
    {KEY_F14, 0x7D},
    {KEY_F15, 0x7E},
    {KEY_F16, 0x7F},
    {KEY_F17, 0x80},
    {KEY_F18, 0x81},
    {KEY_F19, 0x82},
    {KEY_F20, 0x83},
    {KEY_F21, 0x84},
    {KEY_F22, 0x85},
    {KEY_F23, 0x86},
    {KEY_F24, 0x87},
    {KEY_PLAYCD, 0xB3},   // X's keymap sends the play key as this code
    {KEY_PAUSECD, 0xB3},  // and the pause key as this one
    {KEY_PLAY, 0xFA},     // VK_PLAY
    {KEY_PRINT, 0x2A},    // VK_PRINT
    {KEY_SEARCH, 0xAA},   // VK_BROWSER_SEARCH
    {KEY_MEDIA, 0xB5},    // VK_LAUNCH_MEDIA_SELECT
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

}  // namespace orvex::platform
