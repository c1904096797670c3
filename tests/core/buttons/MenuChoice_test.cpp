#include "core/buttons/MenuChoice.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>

#include "core/buttons/KeyCapture.h"

namespace orvex {
namespace {

using Codes = std::array<std::uint8_t, 9>;

const Codes kDefaults = {0, 1, 2, 3, 4, 5, 6, 15, 15};

struct ChoiceCase {
    const char* what;
    Codes codes;
    std::size_t button;
    int entry;
    MenuChoice expected;
};

const ChoiceCase kChoices[] = {
    {"last left click to scroll up", kDefaults, 0, 11, MenuChoice::KeepLeftClick},
    {"last left click to a key", kDefaults, 0, 13, MenuChoice::KeepLeftClick},
    {"last left click to a macro", kDefaults, 0, 16, MenuChoice::KeepLeftClick},
    {"left click chosen again", kDefaults, 0, 0, MenuChoice::TakeEntry},
    {"second left click may go", {0, 1, 2, 0, 4, 5, 6, 15, 15}, 0, 11, MenuChoice::TakeEntry},
    {"other left click may go too", {0, 1, 2, 0, 4, 5, 6, 15, 15}, 3, 12, MenuChoice::TakeEntry},
    {"no left click at all", {1, 1, 2, 3, 4, 5, 6, 15, 15}, 0, 13, MenuChoice::CaptureKey},
    {"other button to a key", kDefaults, 1, 13, MenuChoice::CaptureKey},
    {"other button to a macro", kDefaults, 8, 16, MenuChoice::BindMacro},
    {"high macro id", kDefaults, 8, 70000, MenuChoice::BindMacro},
    {"plain function", kDefaults, 2, 15, MenuChoice::TakeEntry},
    {"record macro heading", kDefaults, 2, 14, MenuChoice::TakeEntry},
};

TEST(MenuChoice, GuardThenEntryKind) {
    for (const ChoiceCase& c : kChoices) {
        EXPECT_EQ(DecideMenuChoice(c.codes, c.button, c.entry), c.expected) << c.what;
    }
}

TEST(MenuChoice, GuardStaysWithTheLastLeftClickAfterTheOtherLeaves) {
    Codes codes = {0, 1, 2, 0, 4, 5, 6, 15, 15};
    ASSERT_EQ(DecideMenuChoice(codes, 0, 11), MenuChoice::TakeEntry);
    codes[0] = 11;
    EXPECT_EQ(DecideMenuChoice(codes, 3, 11), MenuChoice::KeepLeftClick);
}

TEST(KeyCapture, LastEventWins) {
    KeyCapture capture;
    EXPECT_FALSE(capture.Key().has_value());
    EXPECT_EQ(capture.KeyName(), u"");

    // Shift down, A down, A up, Shift up: the Shift release comes last.
    for (int key : {160, 65, 65, 160}) {
        capture.OnKeyEvent(key);
    }
    EXPECT_EQ(capture.Key(), 160);
    EXPECT_EQ(capture.KeyName(), u"Left SHIFT");

    capture.OnKeyEvent(16);  // a nameless code is still captured
    EXPECT_EQ(capture.Key(), 16);
    EXPECT_EQ(capture.KeyName(), u"");
}

}  // namespace
}  // namespace orvex
