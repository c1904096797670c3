#include <gtest/gtest.h>

#include "core/text/Utf.h"
#include "core/text/Windows1252.h"

namespace orvex {
namespace {

TEST(UtfTest, RoundTripsEveryPlane) {
    const std::u16string text = u"a\u00e9\u20ac\U0001F600z";
    EXPECT_EQ(ToUtf8(text), "a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80z");
    EXPECT_EQ(FromUtf8(ToUtf8(text)), text);
}

TEST(UtfTest, MalformedInputBecomesReplacementCharacters) {
    EXPECT_EQ(ToUtf8(u"x\xD800y"), "x\xEF\xBF\xBDy");  // lone surrogate
    EXPECT_EQ(FromUtf8("x\xC3"), u"x\uFFFD");          // cut sequence
    EXPECT_EQ(FromUtf8("\xC0\xAF"), u"\uFFFD\uFFFD");  // overlong "/", never a separator
    EXPECT_EQ(FromUtf8("\xEF\xBF\xBD"), u"\uFFFD");    // a real U+FFFD stays one character
}

TEST(Windows1252Test, MapsTheCodePageAndMarksMissingCharacters) {
    const std::u16string text = u"A\u00e9\u20ac\u2122\u0141\U0001F600";
    const std::vector<std::uint8_t> expected{'A', 0xE9, 0x80, 0x99, '?', '?'};
    EXPECT_EQ(ToWindows1252(text), expected);
}

}  // namespace
}  // namespace orvex
