#include "platform/linux/EvdevVirtualKeys.h"

#include <gtest/gtest.h>
#include <linux/input-event-codes.h>

#include <map>

namespace orvex::platform {
namespace {

TEST(EvdevVirtualKeys, KeysOfEachFamilyGetTheirVirtualKeyCode) {
    struct Case {
        unsigned evdev;
        std::uint16_t virtualKey;
    };
    const Case cases[] = {
        {KEY_A, 'A'},          {KEY_Z, 'Z'},         {KEY_Q, 'Q'},          {KEY_1, '1'},
        {KEY_0, '0'},          {KEY_F1, 0x70},       {KEY_F10, 0x79},       {KEY_F11, 0x7A},
        {KEY_F12, 0x7B},       {KEY_F13, 0x7C},      {KEY_F24, 0x87},       {KEY_ESC, 0x1B},
        {KEY_ENTER, 0x0D},     {KEY_KPENTER, 0x0D},  {KEY_SPACE, 0x20},     {KEY_BACKSPACE, 0x08},
        {KEY_TAB, 0x09},       {KEY_LEFT, 0x25},     {KEY_UP, 0x26},        {KEY_PAGEDOWN, 0x22},
        {KEY_DELETE, 0x2E},    {KEY_SYSRQ, 0x2C},    {KEY_PAUSE, 0x13},     {KEY_KP0, 0x60},
        {KEY_KP9, 0x69},       {KEY_KPDOT, 0x6E},    {KEY_KPSLASH, 0x6F},   {KEY_KPASTERISK, 0x6A},
        {KEY_SEMICOLON, 0xBA}, {KEY_GRAVE, 0xC0},    {KEY_102ND, 0xE2},     {KEY_LEFTMETA, 0x5B},
        {KEY_COMPOSE, 0x5D},   {KEY_VOLUMEUP, 0xAF}, {KEY_PLAYPAUSE, 0xB3}, {KEY_BACK, 0xA6},
    };
    for (const Case& key : cases) {
        EXPECT_EQ(VirtualKeyFromEvdev(key.evdev), key.virtualKey) << "evdev " << key.evdev;
    }
}

TEST(EvdevVirtualKeys, ModifiersAreSideSpecificAndNeverGeneric) {
    EXPECT_EQ(VirtualKeyFromEvdev(KEY_LEFTSHIFT), 160);
    EXPECT_EQ(VirtualKeyFromEvdev(KEY_RIGHTSHIFT), 161);
    EXPECT_EQ(VirtualKeyFromEvdev(KEY_LEFTCTRL), 162);
    EXPECT_EQ(VirtualKeyFromEvdev(KEY_RIGHTCTRL), 163);
    EXPECT_EQ(VirtualKeyFromEvdev(KEY_LEFTALT), 164);
    EXPECT_EQ(VirtualKeyFromEvdev(KEY_RIGHTALT), 165);

    // Every code an X server can carry: no key gives VK_SHIFT, VK_CONTROL or VK_MENU, and each
    // side-specific code belongs to one key only.
    std::map<std::uint16_t, int> keysPerModifier;
    for (unsigned evdev = 0; evdev < 256; ++evdev) {
        const auto virtualKey = VirtualKeyFromEvdev(evdev);
        if (!virtualKey) {
            continue;
        }
        EXPECT_TRUE(*virtualKey < 16 || *virtualKey > 18) << "evdev " << evdev;
        if (*virtualKey >= 160 && *virtualKey <= 165) {
            ++keysPerModifier[*virtualKey];
        }
    }
    for (const auto& [virtualKey, keys] : keysPerModifier) {
        EXPECT_EQ(keys, 1) << "virtual key " << virtualKey;
    }
}

TEST(EvdevVirtualKeys, KeysWithoutAVirtualKeyCodeGiveNothing) {
    for (unsigned evdev : {0u, static_cast<unsigned>(KEY_POWER), static_cast<unsigned>(KEY_KPEQUAL),
                           static_cast<unsigned>(KEY_BRIGHTNESSUP), 255u, 4096u, ~0u}) {
        EXPECT_EQ(VirtualKeyFromEvdev(evdev), std::nullopt) << "evdev " << evdev;
    }
}

}  // namespace
}  // namespace orvex::platform
