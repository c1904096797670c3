#include "core/macros/MacroFileNames.h"

#include <gtest/gtest.h>

#include <string>

#include "core/text/Utf.h"

namespace orvex {
namespace {

struct StemCase {
    std::u16string name;
    std::u16string stem;
};

TEST(MacroFileNames, StemsAreSafeFileNames) {
    const StemCase cases[] = {
        {u"Macro", u"Macro"},
        {u"Fire (2) é", u"Fire (2) é"},
        {u"../x", u".._x"},
        {u"a/b", u"a_b"},
        {u"a\\b", u"a_b"},
        {u"C:x", u"C_x"},
        {std::u16string(u"a\0b", 3), u"a_b"},
        {u"why?*<>|\"", u"why______"},
        {u"", u"_"},
        {u"..", u".."},  // "...macro" is an ordinary file name
        {u"con", u"_con"},
        {u"COM1", u"_COM1"},
        {u"COM10", u"COM10"},
        {u"\U0001F600", u"\U0001F600"},               // a whole surrogate pair stays
        {std::u16string(1, char16_t{0xD800}), u"_"},  // a lone one does not
    };
    for (const StemCase& c : cases) {
        EXPECT_EQ(MacroFileStem(c.name), c.stem) << ToUtf8(c.name);
    }
}

TEST(MacroFileNames, LongNamesAreCutButStayDistinct) {
    const std::u16string base(300, u'x');
    const std::u16string stem = MacroFileStem(base);
    EXPECT_LE(ToUtf8(stem).size(), 120u);
    EXPECT_EQ(stem.substr(0, 100), base.substr(0, 100));
    EXPECT_NE(MacroFileStem(base + u"1"), stem);

    const std::u16string wide(100, u'\u00E9');  // two UTF-8 bytes each
    EXPECT_LE(ToUtf8(MacroFileStem(wide)).size(), 120u);
}

TEST(MacroFileNames, CaseFolding) {
    EXPECT_EQ(FoldFileNameCase(u"Macro.macro"), FoldFileNameCase(u"MACRO.MACRO"));
    EXPECT_EQ(FoldFileNameCase(u"\u00E9t\u00E9"), u"\u00C9T\u00C9");
    EXPECT_EQ(FoldFileNameCase(u"\u0434\u0451"), u"\u0414\u0401");
    EXPECT_NE(FoldFileNameCase(u"a1"), FoldFileNameCase(u"a"));
}

TEST(MacroFileNames, ListEntriesGiveOnlyAFileName) {
    const std::pair<std::u16string, std::u16string> kept[] = {
        {u"C:\\Users\\u\\AppData\\Roaming\\Velnor\\ORVEX SK\\Macros\\Macro.macro", u"Macro.macro"},
        {u"/home/u/.config/Velnor/ORVEX SK/Macros/a b.macro", u"a b.macro"},
        {u"/etc/../../x.macro", u"x.macro"},
        {u"plain.macro", u"plain.macro"},
    };
    for (const auto& [entry, name] : kept) {
        EXPECT_EQ(ListEntryFileName(entry), name) << ToUtf8(entry);
    }
    for (const std::u16string entry :
         {u"", u"/home/u/", u"C:\\x\\..", u"..", u".", u"C:x.macro", u"a\u0001.macro"}) {
        EXPECT_FALSE(ListEntryFileName(entry).has_value()) << ToUtf8(entry);
    }
}

TEST(MacroFileNames, PathsKeepUnicode) {
    const std::u16string name = u"\u00C9t\u00E9 \U0001F600.macro";
    EXPECT_EQ(Utf16FromPath(PathFromUtf16(name)), name);
}

}  // namespace
}  // namespace orvex
