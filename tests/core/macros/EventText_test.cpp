#include "core/macros/EventText.h"

#include <gtest/gtest.h>

namespace orvex {
namespace {

struct TextCase {
    std::int16_t code;
    std::uint8_t release;
    bool isMouse;
    std::u16string text;
};

TEST(EventText, MouseRowsKeysAndOddPairs) {
    const TextCase cases[] = {
        {1, 0, true, u"Left button Down"},
        {1, 1, true, u"Left button Up"},
        {2, 0, true, u"Right button Down"},
        {2, 1, true, u"Right button Up"},
        {4, 0, true, u"Middle button Down"},
        {4, 1, true, u"Middle button Up"},
        {166, 0, true, u"Back button Down"},
        {166, 1, true, u"Back button Up"},
        {167, 0, true, u"Forward button Down"},
        {167, 1, true, u"Forward button Up"},
        {151, 0, true, u"Scroll wheel Up"},
        {152, 0, true, u"Scroll wheel Down"},
        {151, 1, true, u"Scroll wheel Up"},  // any release value
        {152, 7, true, u"Scroll wheel Down"},
        {1, 2, false, u"Left Button"},  // not a mouse pair: shown as the key
        {65, 0, false, u"A"},
        {38, 1, false, u"UP ARROW "},
        {16, 0, false, u""},  // a key without a name
    };
    for (const TextCase& c : cases) {
        const EventRowText row = EventText(c.code, c.release);
        EXPECT_EQ(row.isMouseEvent, c.isMouse) << c.code << '/' << int{c.release};
        EXPECT_EQ(row.text, c.text) << c.code << '/' << int{c.release};
    }
}

TEST(EventText, Delay) {
    EXPECT_EQ(DelayText(250), u"250 ms");
    EXPECT_EQ(DelayText(0), u"0 ms");
    EXPECT_EQ(DelayText(-5), u"-5 ms");
}

TEST(EventText, DelayTypedByTheUser) {
    const std::pair<std::u16string_view, std::int32_t> cases[] = {
        {u"250", 250},
        {u"", 0},
        {u"007", 7},
        {u"12ms", 12},
        {u"2147483647", 2147483647},
        {u"99999999999999999999", 2147483647},
    };
    for (const auto& [text, delay] : cases) {
        EXPECT_EQ(DelayFromText(text), delay) << std::string(text.begin(), text.end());
    }
}

}  // namespace
}  // namespace orvex
