#include "core/macros/MacroAreaPacking.h"

#include <gtest/gtest.h>

#include "core/profiles/DeviceImage.h"
#include "core/profiles/ProfileSamples.h"

namespace orvex {
namespace {

using testing::BindMacro;
using Bytes = std::vector<std::uint8_t>;

Bytes Slice(const DeviceProfileImage& image, std::size_t at, std::size_t n) {
    return {image.begin() + static_cast<std::ptrdiff_t>(at),
            image.begin() + static_cast<std::ptrdiff_t>(at + n)};
}

ProfileMacro Macro(std::int32_t id, std::initializer_list<CMacroEvent> events) {
    ProfileMacro macro;
    macro.id = id;
    macro.name.push_back(u'm');
    macro.events = events;
    return macro;
}

DeviceProfileImage PackedImage(const ProfileRecord& record) {
    const DeviceImageBuild build = BuildDeviceImage(record);
    EXPECT_FALSE(build.refused());
    return build.image.value_or(DeviceProfileImage{});
}

TEST(MacroAreaPackingTest, WorkedExample) {
    ProfileRecord record;
    BindMacro(
        record, 0,
        Macro(16, {{kKeyEventType, 65, kEventPress, 0}, {kKeyEventType, 65, kEventRelease, 100}}));
    BindMacro(record, 3, Macro(17, {{kKeyEventType, 162, kEventPress, 0}}));
    const DeviceProfileImage image = PackedImage(record);

    EXPECT_EQ(Slice(image, 101, 7), (Bytes{0x03, 0x00, 0x20, 0x03, 0x02, 0x00, 0x0F}));
    EXPECT_EQ(Slice(image, 122, 7), (Bytes{0x03, 0xFE, 0x35, 0x03, 0x01, 0x00, 0x0F}));
    Bytes area{0x01, 0x04, 0x00, 0x00, 0x00, 0x00, 0x00,  // A down
               0x01, 0x04, 0x00, 0x01, 0x64, 0x00, 0x00,  // A up after 100 ms
               0,    0,    0,    0,    0,    0,    0,     // end of button 0
               0x01, 0xE0, 0x00, 0x00, 0x00, 0x00, 0x00,  // left Ctrl down
               0,    0,    0,    0,    0,    0,    0};    // end of button 3
    area.resize(2048 - 800, 0);
    EXPECT_EQ(Slice(image, 800, 2048 - 800), area);
}

TEST(MacroAreaPackingTest, NoMacroBindingsLeaveTheAreaZero) {
    ProfileRecord record;
    record.buttonMacros[2] = Macro(16, {{kKeyEventType, 65, 0, 0}});  // a copy, but not bound
    EXPECT_EQ(Slice(PackedImage(record), 800, 2048 - 800), Bytes(2048 - 800, 0));
}

TEST(MacroAreaPackingTest, EventRecords) {
    struct Case {
        const char* what;
        CMacroEvent event;
        Bytes record;
    };
    const Case cases[] = {
        {"delay 2^24 wraps to 0", {kKeyEventType, 65, 0, 16777216}, {0x01, 0x04, 0, 0, 0, 0, 0}},
        {"delay 2^24-1", {kKeyEventType, 65, 0, 16777215}, {0x01, 0x04, 0, 0, 0xFF, 0xFF, 0xFF}},
        {"wheel up", {kWheelEventType, kWheelUpCode, 0, 30}, {0x11, 0x97, 0, 0, 0x1E, 0, 0}},
        {"back button up",
         {kMouseButtonEventType, kBackButtonCode, 1, 0x123456},
         {0x10, 0xA6, 0, 1, 0x56, 0x34, 0x12}},
        {"key above 0xFF", {kKeyEventType, 0x141, 0, 0}, {0x01, 0x41, 0x01, 0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        ProfileRecord record;
        BindMacro(record, 1, Macro(16, {c.event}));
        EXPECT_EQ(Slice(PackedImage(record), 800, 7), c.record) << c.what;
    }
}

TEST(MacroAreaPackingTest, MacrosArePackedInButtonOrder) {
    ProfileRecord record;
    BindMacro(record, 8, Macro(30, {{kWheelEventType, kWheelDownCode, 0, 1}}));
    BindMacro(record, 2, Macro(31, {{kKeyEventType, 66, 0, 2}, {kKeyEventType, 66, 1, 3}}));
    const DeviceProfileImage image = PackedImage(record);

    EXPECT_EQ(Slice(image, 115, 7), (Bytes{0x03, 0x00, 0x20, 0x03, 0x02, 0x00, 0x0F}));
    EXPECT_EQ(Slice(image, 178, 7), (Bytes{0x03, 0xFE, 0x35, 0x03, 0x01, 0x00, 0x0F}));
    EXPECT_EQ(Slice(image, 800, 7), (Bytes{0x01, 0x05, 0x00, 0x00, 0x02, 0x00, 0x00}));
    EXPECT_EQ(Slice(image, 821, 7), (Bytes{0x11, 0x98, 0x00, 0x00, 0x01, 0x00, 0x00}));
}

TEST(MacroAreaPackingTest, RefusesAnOverLimitSetWithoutWriting) {
    // Called directly, the packer keeps the image intact rather than write past its end.
    std::array<DeviceMacro, kButtonCount> macros;
    std::array<std::size_t, kButtonCount> slots{};
    DeviceProfileImage image{};
    for (std::size_t b = 0; b < kButtonCount; ++b) {
        slots[b] = ButtonSlotOffset(b);
        image[slots[b]] = kMacroSlotType;
        macros[b].events.assign(kMaxDeviceMacroEvents, DeviceMacroEvent{1, 4, 0, 0});
    }
    const DeviceProfileImage before = image;
    EXPECT_FALSE(PackMacroArea(image, slots, macros));
    EXPECT_EQ(image, before);
}

}  // namespace
}  // namespace orvex
