#include "core/buttons/KeyNames.h"

#include <string_view>

#include "core/buttons/VirtualKeys.h"

namespace orvex {
namespace {

// Keys named by the one character they carry; the numeric-pad operators share the names of their
// main-block twins.
char16_t PunctuationName(int virtualKey) {
    switch (virtualKey) {
        case vk::kMultiply:
            return u'*';
        case vk::kAdd:
        case vk::kEquals:
            return u'+';
        case vk::kSubtract:
        case vk::kMinus:
            return u'-';
        case vk::kDecimal:
        case vk::kPeriod:
            return u'.';
        case vk::kDivide:
        case vk::kSlash:
            return u'/';
        case vk::kSemicolon:
            return u';';
        case vk::kComma:
            return u',';
        case vk::kGrave:
            return u'`';
        case vk::kLeftBracket:
            return u'[';
        case vk::kBackslash:
            return u'\\';
        case vk::kRightBracket:
            return u']';
        case vk::kApostrophe:
            return u'\'';
        default:
            return 0;
    }
}

std::u16string_view WordName(int virtualKey) {
    switch (virtualKey) {
        case vk::kLeftButton:
            return u"Left Button";
        case vk::kRightButton:
            return u"Right Button";
        case vk::kMiddleButton:
            return u"Middle Button";
        case vk::kBack:
            return u"BACK";
        case vk::kTab:
            return u"TAB";
        case vk::kClear:
            return u"CLEAR";
        case vk::kReturn:
            return u"ENTER";
        case vk::kPause:
            return u"PAUSE";
        case vk::kCapsLock:
            return u"CAPS LOCK";
        case vk::kEscape:
            return u"ESC";
        case vk::kSpace:
            return u"SPACE";
        case vk::kPageUp:
            return u"PAGE UP";
        case vk::kPageDown:
            return u"PAGE DOWN";
        case vk::kEnd:
            return u"END";
        case vk::kHome:
            return u"HOME";
        case vk::kLeft:
            return u"LEFT ARROW";
        case vk::kUp:
            return u"UP ARROW ";
        case vk::kRight:
            return u"RIGHT ARROW";
        case vk::kDown:
            return u"DOWN ARROW";
        case vk::kSelect:
            return u"SELECT";
        case vk::kPrint:
            return u"PRINT";
        case vk::kExecute:
            return u"EXECUTE";
        case vk::kPrintScreen:
            return u"PRINT SCREEN";
        case vk::kInsert:
            return u"INS";
        case vk::kDelete:
            return u"DEL";
        case vk::kHelp:
            return u"HELP";
        case vk::kLeftWindows:
            return u"Left Window";
        case vk::kRightWindows:
            return u"Right Window";
        case vk::kApps:
            return u"Application";
        case vk::kNumLock:
            return u"NUM LOCK";
        case vk::kScrollLock:
            return u"SCROLL LOCK";
        case vk::kLeftShift:
            return u"Left SHIFT";
        case vk::kRightShift:
            return u"Right SHIFT";
        case vk::kLeftControl:
            return u"Left CONTROL";
        case vk::kRightControl:
            return u"Right CONTROL";
        case vk::kLeftAlt:
            return u"Left ALT";
        case vk::kRightAlt:
            return u"Right ALT";
        // The browser-back key had no name of its own; it follows its neighbours "Browser
        // Forward" and "Browser Refresh".
        case vk::kBrowserBack:
            return u"Browser Back";
        case vk::kBrowserForward:
            return u"Browser Forward";
        case vk::kBrowserRefresh:
            return u"Browser Refresh";
        case vk::kVolumeDown:
            return u"Volume Down";
        case vk::kVolumeUp:
            return u"Volume Up ";
        case vk::kFn:
            return u"Fn";
        default:
            return {};
    }
}

std::u16string FunctionKeyName(int number) {
    std::u16string name = u"F";
    if (number >= 10) {
        name += static_cast<char16_t>(u'0' + number / 10);
    }
    name += static_cast<char16_t>(u'0' + number % 10);
    return name;
}

}  // namespace

std::u16string GetKeyName(int virtualKey) {
    // Top-row and numeric-pad digits have the same names.
    if (virtualKey >= vk::kDigit0 && virtualKey <= vk::kDigit9) {
        return std::u16string(1, static_cast<char16_t>(u'0' + (virtualKey - vk::kDigit0)));
    }
    if (virtualKey >= vk::kNumpad0 && virtualKey <= vk::kNumpad9) {
        return std::u16string(1, static_cast<char16_t>(u'0' + (virtualKey - vk::kNumpad0)));
    }
    if (virtualKey >= vk::kLetterA && virtualKey <= vk::kLetterZ) {
        return std::u16string(1, static_cast<char16_t>(virtualKey));
    }
    if (virtualKey >= vk::kF1 && virtualKey <= vk::kF24) {
        return FunctionKeyName(virtualKey - vk::kF1 + 1);
    }
    if (const char16_t mark = PunctuationName(virtualKey); mark != 0) {
        return std::u16string(1, mark);
    }
    return std::u16string(WordName(virtualKey));
}

}  // namespace orvex
