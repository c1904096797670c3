#include "core/buttons/KeyNames.h"

#include <gtest/gtest.h>

#include <string>

#include "core/text/Utf.h"

namespace orvex {
namespace {

struct KeyNameCase {
    int virtualKey;
    std::u16string name;
};

// The ends of every range and each name that is easy to get wrong (trailing blanks, shared names,
// gaps inside ranges).
const KeyNameCase kKeyNames[] = {
    {1, u"Left Button"},
    {2, u"Right Button"},
    {3, u""},
    {4, u"Middle Button"},
    {8, u"BACK"},
    {9, u"TAB"},
    {12, u"CLEAR"},
    {13, u"ENTER"},
    {19, u"PAUSE"},
    {20, u"CAPS LOCK"},
    {27, u"ESC"},
    {32, u"SPACE"},
    {33, u"PAGE UP"},
    {34, u"PAGE DOWN"},
    {35, u"END"},
    {36, u"HOME"},
    {37, u"LEFT ARROW"},
    {38, u"UP ARROW "},
    {39, u"RIGHT ARROW"},
    {40, u"DOWN ARROW"},
    {41, u"SELECT"},
    {42, u"PRINT"},
    {43, u"EXECUTE"},
    {44, u"PRINT SCREEN"},
    {45, u"INS"},
    {46, u"DEL"},
    {47, u"HELP"},
    {48, u"0"},
    {53, u"5"},
    {57, u"9"},
    {58, u""},
    {64, u""},
    {65, u"A"},
    {90, u"Z"},
    {91, u"Left Window"},
    {92, u"Right Window"},
    {93, u"Application"},
    {94, u""},
    {96, u"0"},
    {101, u"5"},
    {105, u"9"},
    {106, u"*"},
    {107, u"+"},
    {108, u""},
    {109, u"-"},
    {110, u"."},
    {111, u"/"},
    {112, u"F1"},
    {121, u"F10"},
    {135, u"F24"},
    {136, u""},
    {144, u"NUM LOCK"},
    {145, u"SCROLL LOCK"},
    {160, u"Left SHIFT"},
    {161, u"Right SHIFT"},
    {162, u"Left CONTROL"},
    {163, u"Right CONTROL"},
    {164, u"Left ALT"},
    {165, u"Right ALT"},
    {166, u"Browser Back"},
    {167, u"Browser Forward"},
    {168, u"Browser Refresh"},
    {169, u""},
    {174, u"Volume Down"},
    {175, u"Volume Up "},
    {186, u";"},
    {187, u"+"},
    {188, u","},
    {189, u"-"},
    {190, u"."},
    {191, u"/"},
    {192, u"`"},
    {219, u"["},
    {220, u"\\"},
    {221, u"]"},
    {222, u"'"},
    {254, u""},
    {255, u"Fn"},
    // No names: nothing, the generic modifiers, and codes outside a byte.
    {0, u""},
    {16, u""},
    {17, u""},
    {18, u""},
    {-1, u""},
    {256, u""},
    {300, u""},
    {65 + 256, u""},
};

TEST(KeyNames, EveryRangeAndOddity) {
    for (const KeyNameCase& c : kKeyNames) {
        EXPECT_EQ(GetKeyName(c.virtualKey), c.name)
            << "code " << c.virtualKey << " gave \"" << ToUtf8(GetKeyName(c.virtualKey)) << '"';
    }
}

TEST(KeyNames, EveryLetterAndFunctionKey) {
    for (int letter = 0; letter < 26; ++letter) {
        EXPECT_EQ(GetKeyName(65 + letter), std::u16string(1, static_cast<char16_t>(u'A' + letter)));
    }
    for (int number = 1; number <= 24; ++number) {
        EXPECT_EQ(ToUtf8(GetKeyName(111 + number)), "F" + std::to_string(number));
    }
}

}  // namespace
}  // namespace orvex
