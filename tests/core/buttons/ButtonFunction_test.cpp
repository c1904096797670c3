#include "core/buttons/ButtonFunction.h"

#include <gtest/gtest.h>

#include <string_view>

namespace orvex {
namespace {

TEST(ButtonFunction, MenuTextOfEveryCode) {
    const std::u16string_view texts[16] = {
        u"Left Click",
        u"Right Click",
        u"Scroll Click",
        u"Forward",
        u"Back",
        u"Dpi up",
        u"Dpi down",
        u"",
        u"Profile switch roll",
        u"Profile switch up",
        u"Profile switch down",
        u"Scroll up",
        u"Scroll down",
        u"Single key assign...",
        u"Assign record macro",
        u"Disable Button",
    };
    for (int code = 0; code < 16; ++code) {
        const auto function = ButtonFunctionFromCode(code);
        if (code == 7) {
            EXPECT_FALSE(function.has_value());
            continue;
        }
        ASSERT_TRUE(function.has_value()) << code;
        EXPECT_EQ(ToCode(*function), code);
        EXPECT_EQ(ButtonFunctionMenuText(*function), texts[code]) << code;
    }
}

TEST(ButtonFunction, CodesOutsideTheCatalogue) {
    for (int code : {-1, 7, 16, 254, 255, 256}) {
        EXPECT_FALSE(ButtonFunctionFromCode(code).has_value()) << code;
    }
}

}  // namespace
}  // namespace orvex
