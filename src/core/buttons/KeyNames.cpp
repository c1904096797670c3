#include "core/buttons/KeyNames.h"

#include <string_view>

namespace orvex {
namespace {

// Keys named by the one character they carry; the numeric-pad operators share the names of their
// main-block twins.
char16_t PunctuationName(int virtualKey) {
    switch (virtualKey) {
        case 106:
            return u'*';
        case 107:
        case 187:
            return u'+';
        case 109:
        case 189:
            return u'-';
        case 110:
        case 190:
            return u'.';
        case 111:
        case 191:
            return u'/';
        case 186:
            return u';';
        case 188:
            return u',';
        case 192:
            return u'`';
        case 219:
            return u'[';
        case 220:
            return u'\\';
        case 221:
            return u']';
        case 222:
            return u'\'';
        default:
            return 0;
    }
}

std::u16string_view WordName(int virtualKey) {
    switch (virtualKey) {
        case 1:
            return u"Left Button";
        case 2:
            return u"Right Button";
        case 4:
            return u"Middle Button";
        case 8:
            return u"BACK";
        case 9:
            return u"TAB";
        case 12:
            return u"CLEAR";
        case 13:
            return u"ENTER";
        case 19:
            return u"PAUSE";
        case 20:
            return u"CAPS LOCK";
        case 27:
            return u"ESC";
        case 32:
            return u"SPACE";
        case 33:
            return u"PAGE UP";
        case 34:
            return u"PAGE DOWN";
        case 35:
            return u"END";
        case 36:
            return u"HOME";
        case 37:
            return u"LEFT ARROW";
        case 38:
            return u"UP ARROW ";
        case 39:
            return u"RIGHT ARROW";
        case 40:
            return u"DOWN ARROW";
        case 41:
            return u"SELECT";
        case 42:
            return u"PRINT";
        case 43:
            return u"EXECUTE";
        case 44:
            return u"PRINT SCREEN";
        case 45:
            return u"INS";
        case 46:
            return u"DEL";
        case 47:
            return u"HELP";
        case 91:
            return u"Left Window";
        case 92:
            return u"Right Window";
        case 93:
            return u"Application";
        case 144:
            return u"NUM LOCK";
        case 145:
            return u"SCROLL LOCK";
        case 160:
            return u"Left SHIFT";
        case 161:
            return u"Right SHIFT";
        case 162:
            return u"Left CONTROL";
        case 163:
            return u"Right CONTROL";
        case 164:
            return u"Left ALT";
        case 165:
            return u"Right ALT";
        // The browser-back key had no name of its own; it follows its neighbours "Browser
        // Forward" and "Browser Refresh".
        case 166:
            return u"Browser Back";
        case 167:
            return u"Browser Forward";
        case 168:
            return u"Browser Refresh";
        case 174:
            return u"Volume Down";
        case 175:
            return u"Volume Up ";
        case 255:
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
    if (virtualKey >= 48 && virtualKey <= 57) {
        return std::u16string(1, static_cast<char16_t>(u'0' + (virtualKey - 48)));
    }
    if (virtualKey >= 96 && virtualKey <= 105) {
        return std::u16string(1, static_cast<char16_t>(u'0' + (virtualKey - 96)));
    }
    if (virtualKey >= 65 && virtualKey <= 90) {
        return std::u16string(1, static_cast<char16_t>(virtualKey));
    }
    if (virtualKey >= 112 && virtualKey <= 135) {
        return FunctionKeyName(virtualKey - 111);
    }
    if (const char16_t mark = PunctuationName(virtualKey); mark != 0) {
        return std::u16string(1, mark);
    }
    return std::u16string(WordName(virtualKey));
}

}  // namespace orvex
