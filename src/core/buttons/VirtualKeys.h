#pragma once

#include <cstdint>

// Windows virtual-key codes: how keys are held everywhere in the program except the device image.
// Letters and top-row digits have no names of their own; their codes are the characters 'A' ... 'Z'
// and '0' ... '9'.
namespace orvex::vk {

inline constexpr std::uint16_t kLeftButton = 0x01;
inline constexpr std::uint16_t kRightButton = 0x02;
inline constexpr std::uint16_t kCancel = 0x03;  // Control+Break
inline constexpr std::uint16_t kMiddleButton = 0x04;
inline constexpr std::uint16_t kBack = 0x08;  // Backspace
inline constexpr std::uint16_t kTab = 0x09;
inline constexpr std::uint16_t kClear = 0x0C;
inline constexpr std::uint16_t kReturn = 0x0D;
inline constexpr std::uint16_t kPause = 0x13;
inline constexpr std::uint16_t kCapsLock = 0x14;
inline constexpr std::uint16_t kHangul = 0x15;
inline constexpr std::uint16_t kHanja = 0x19;
inline constexpr std::uint16_t kEscape = 0x1B;
inline constexpr std::uint16_t kConvert = 0x1C;
inline constexpr std::uint16_t kNonConvert = 0x1D;
inline constexpr std::uint16_t kSpace = 0x20;
inline constexpr std::uint16_t kPageUp = 0x21;
inline constexpr std::uint16_t kPageDown = 0x22;
inline constexpr std::uint16_t kEnd = 0x23;
inline constexpr std::uint16_t kHome = 0x24;
inline constexpr std::uint16_t kLeft = 0x25;
inline constexpr std::uint16_t kUp = 0x26;
inline constexpr std::uint16_t kRight = 0x27;
inline constexpr std::uint16_t kDown = 0x28;
inline constexpr std::uint16_t kSelect = 0x29;
inline constexpr std::uint16_t kPrint = 0x2A;
inline constexpr std::uint16_t kExecute = 0x2B;
inline constexpr std::uint16_t kPrintScreen = 0x2C;
inline constexpr std::uint16_t kInsert = 0x2D;
inline constexpr std::uint16_t kDelete = 0x2E;
inline constexpr std::uint16_t kHelp = 0x2F;
inline constexpr std::uint16_t kDigit0 = '0';
inline constexpr std::uint16_t kDigit9 = '9';
inline constexpr std::uint16_t kLetterA = 'A';
inline constexpr std::uint16_t kLetterZ = 'Z';
inline constexpr std::uint16_t kLeftWindows = 0x5B;
inline constexpr std::uint16_t kRightWindows = 0x5C;
inline constexpr std::uint16_t kApps = 0x5D;  // the context-menu key
inline constexpr std::uint16_t kSleep = 0x5F;

inline constexpr std::uint16_t kNumpad0 = 0x60;
inline constexpr std::uint16_t kNumpad1 = 0x61;
inline constexpr std::uint16_t kNumpad2 = 0x62;
inline constexpr std::uint16_t kNumpad3 = 0x63;
inline constexpr std::uint16_t kNumpad4 = 0x64;
inline constexpr std::uint16_t kNumpad5 = 0x65;
inline constexpr std::uint16_t kNumpad6 = 0x66;
inline constexpr std::uint16_t kNumpad7 = 0x67;
inline constexpr std::uint16_t kNumpad8 = 0x68;
inline constexpr std::uint16_t kNumpad9 = 0x69;
inline constexpr std::uint16_t kMultiply = 0x6A;
inline constexpr std::uint16_t kAdd = 0x6B;
inline constexpr std::uint16_t kSeparator = 0x6C;
inline constexpr std::uint16_t kSubtract = 0x6D;
inline constexpr std::uint16_t kDecimal = 0x6E;
inline constexpr std::uint16_t kDivide = 0x6F;

inline constexpr std::uint16_t kF1 = 0x70;
inline constexpr std::uint16_t kF2 = 0x71;
inline constexpr std::uint16_t kF3 = 0x72;
inline constexpr std::uint16_t kF4 = 0x73;
inline constexpr std::uint16_t kF5 = 0x74;
inline constexpr std::uint16_t kF6 = 0x75;
inline constexpr std::uint16_t kF7 = 0x76;
inline constexpr std::uint16_t kF8 = 0x77;
inline constexpr std::uint16_t kF9 = 0x78;
inline constexpr std::uint16_t kF10 = 0x79;
inline constexpr std::uint16_t kF11 = 0x7A;
inline constexpr std::uint16_t kF12 = 0x7B;
inline constexpr std::uint16_t kF13 = 0x7C;
inline constexpr std::uint16_t kF14 = 0x7D;
inline constexpr std::uint16_t kF15 = 0x7E;
inline constexpr std::uint16_t kF16 = 0x7F;
inline constexpr std::uint16_t kF17 = 0x80;
inline constexpr std::uint16_t kF18 = 0x81;
inline constexpr std::uint16_t kF19 = 0x82;
inline constexpr std::uint16_t kF20 = 0x83;
inline constexpr std::uint16_t kF21 = 0x84;
inline constexpr std::uint16_t kF22 = 0x85;
inline constexpr std::uint16_t kF23 = 0x86;
inline constexpr std::uint16_t kF24 = 0x87;

inline constexpr std::uint16_t kNumLock = 0x90;
inline constexpr std::uint16_t kScrollLock = 0x91;

// The side-specific modifiers; the keyboard hook reports these, never the generic 0x10 ... 0x12.
inline constexpr std::uint16_t kLeftShift = 0xA0;
inline constexpr std::uint16_t kRightShift = 0xA1;
inline constexpr std::uint16_t kLeftControl = 0xA2;
inline constexpr std::uint16_t kRightControl = 0xA3;
inline constexpr std::uint16_t kLeftAlt = 0xA4;
inline constexpr std::uint16_t kRightAlt = 0xA5;

inline constexpr std::uint16_t kBrowserBack = 0xA6;
inline constexpr std::uint16_t kBrowserForward = 0xA7;
inline constexpr std::uint16_t kBrowserRefresh = 0xA8;
inline constexpr std::uint16_t kBrowserStop = 0xA9;
inline constexpr std::uint16_t kBrowserSearch = 0xAA;
inline constexpr std::uint16_t kBrowserFavorites = 0xAB;
inline constexpr std::uint16_t kBrowserHome = 0xAC;
inline constexpr std::uint16_t kVolumeMute = 0xAD;
inline constexpr std::uint16_t kVolumeDown = 0xAE;
inline constexpr std::uint16_t kVolumeUp = 0xAF;
inline constexpr std::uint16_t kMediaNextTrack = 0xB0;
inline constexpr std::uint16_t kMediaPreviousTrack = 0xB1;
inline constexpr std::uint16_t kMediaStop = 0xB2;
inline constexpr std::uint16_t kMediaPlayPause = 0xB3;
inline constexpr std::uint16_t kLaunchMail = 0xB4;
inline constexpr std::uint16_t kLaunchMediaSelect = 0xB5;
inline constexpr std::uint16_t kLaunchApp1 = 0xB6;
inline constexpr std::uint16_t kLaunchApp2 = 0xB7;

// Punctuation keys, by what the US layout prints on them.
inline constexpr std::uint16_t kSemicolon = 0xBA;     // VK_OEM_1
inline constexpr std::uint16_t kEquals = 0xBB;        // VK_OEM_PLUS
inline constexpr std::uint16_t kComma = 0xBC;         // VK_OEM_COMMA
inline constexpr std::uint16_t kMinus = 0xBD;         // VK_OEM_MINUS
inline constexpr std::uint16_t kPeriod = 0xBE;        // VK_OEM_PERIOD
inline constexpr std::uint16_t kSlash = 0xBF;         // VK_OEM_2
inline constexpr std::uint16_t kGrave = 0xC0;         // VK_OEM_3
inline constexpr std::uint16_t kLeftBracket = 0xDB;   // VK_OEM_4
inline constexpr std::uint16_t kBackslash = 0xDC;     // VK_OEM_5
inline constexpr std::uint16_t kRightBracket = 0xDD;  // VK_OEM_6
inline constexpr std::uint16_t kApostrophe = 0xDE;    // VK_OEM_7
inline constexpr std::uint16_t kIsoExtraKey = 0xE2;   // VK_OEM_102, the extra key of ISO keyboards

inline constexpr std::uint16_t kPlay = 0xFA;
// Not a Windows key: the key names show 255 as the Fn key.
inline constexpr std::uint16_t kFn = 0xFF;

}  // namespace orvex::vk
