#include "core/profiles/DeviceImage.h"

#include <gtest/gtest.h>

#include <initializer_list>

#include "core/buttons/ButtonFunction.h"
#include "core/profiles/KeyCodeTranslation.h"
#include "core/profiles/ProfileSamples.h"

namespace orvex {
namespace {

using testing::BindMacro;
using testing::SampleMacro;

void Put(DeviceProfileImage& image, std::size_t at, std::initializer_list<std::uint8_t> bytes) {
    std::copy(bytes.begin(), bytes.end(), image.begin() + static_cast<std::ptrdiff_t>(at));
}

std::vector<std::uint8_t> Bytes(const DeviceProfileImage& image, std::size_t at, std::size_t n) {
    return {image.begin() + static_cast<std::ptrdiff_t>(at),
            image.begin() + static_cast<std::ptrdiff_t>(at + n)};
}

DeviceProfileImage ImageOf(const ProfileRecord& record) {
    const DeviceImageBuild build = BuildDeviceImage(record);
    EXPECT_FALSE(build.refused());
    return build.image.value_or(DeviceProfileImage{});
}

ProfileRecord Profile1() {
    ProfileRecord record = MakeDefaultProfile();
    record.name = u"Profile1";
    return record;
}

TEST(DeviceImageTest, DefaultRecordGivesTheFactoryImage) {
    DeviceProfileImage expected{};
    Put(expected, 1, {'P', 'r', 'o', 'f', 'i', 'l', 'e', '1'});
    Put(expected, 17, {0x00, 0x08, 0x00, 0x00});
    Put(expected, 21, {1, 1});
    for (std::size_t zone : {23, 27, 33, 37, 41, 45}) {
        Put(expected, zone, {0x00, 0xFF, 0xFF, 0x01});
    }
    Put(expected, 50, {2});
    Put(expected, 52, {0x90, 0x01, 0x90, 0x01});
    Put(expected, 61, {0x40, 0x06, 0x40, 0x06});
    Put(expected, 70, {12});
    Put(expected, 82, {0x58, 0x1B, 0x58, 0x1B});
    Put(expected, 86, {3});
    const std::pair<std::size_t, std::array<std::uint8_t, 2>> slots[] = {
        {101, {0x00, 0x01}}, {108, {0x00, 0x02}}, {115, {0x00, 0x04}},
        {122, {0x00, 0x10}}, {129, {0x00, 0x08}}, {136, {0x09, 0xF0}},
        {143, {0x09, 0xF2}}, {171, {0xFF, 0x00}}, {178, {0xFF, 0x00}},
    };
    for (const auto& [offset, action] : slots) {
        expected[offset] = action[0];
        expected[offset + 1] = action[1];
        expected[offset + 6] = 0x0F;
    }
    EXPECT_EQ(ImageOf(Profile1()), expected);
}

TEST(DeviceImageTest, UnlitZonesKeepOnlyTheirEffectByte) {
    ProfileRecord record = Profile1();
    record.lightingZones = 0;
    record.lightingEffect = 16 + 2;
    DeviceProfileImage image = ImageOf(record);
    for (std::size_t zone : {23, 27, 33, 37, 41, 45}) {
        EXPECT_EQ(Bytes(image, zone, 4), (std::vector<std::uint8_t>{0, 0, 0, 0x12})) << zone;
    }

    record.lightingZones = 16 + 1 + 8;  // chosen one by one: zones 0 and 3 lit
    record.lightingEffect = 1;
    record.zoneColours = {0x00030201, 0x00131211, 0x00232221, 0x00333231};
    image = ImageOf(record);
    EXPECT_EQ(Bytes(image, 23, 4), (std::vector<std::uint8_t>{0x01, 0x02, 0x03, 1}));
    EXPECT_EQ(Bytes(image, 27, 4), (std::vector<std::uint8_t>{0x31, 0x32, 0x33, 1}));
    EXPECT_EQ(Bytes(image, 31, 2), (std::vector<std::uint8_t>{0, 0}));
    for (std::size_t zone : {33, 37, 41, 45}) {
        EXPECT_EQ(Bytes(image, zone, 4), (std::vector<std::uint8_t>{0, 0, 0, 1})) << zone;
    }
}

TEST(DeviceImageTest, SensorFieldsAndLiftDistanceLimit) {
    ProfileRecord record = Profile1();
    record.xySeparate = 1;
    record.angleSnap = 1;
    record.definedModeEnabled = 1;
    record.definedModeValue = 200;
    record.sensorHeaderByte = 7;
    const std::pair<std::uint8_t, std::uint8_t> lifts[] = {{40, 31}, {32, 31}, {31, 31}, {6, 6}};
    for (const auto& [set, sent] : lifts) {
        record.liftDistance = set;
        const DeviceProfileImage image = ImageOf(record);
        EXPECT_EQ(image[70], sent) << int{set};
        EXPECT_EQ(image[50], 7);
        EXPECT_EQ(image[51], 1);
        EXPECT_EQ(image[60], 1);
        EXPECT_EQ(image[81], 1);
        EXPECT_EQ(image[72], 1);
        EXPECT_EQ(image[87], 1);
        EXPECT_EQ(image[88], 200);
    }
}

TEST(DeviceImageTest, NameIsWindows1252CutTo15BytesWithTerminator) {
    const std::pair<std::u16string, std::string> cases[] = {
        {u"ABCDEFGHIJKLMNO", "ABCDEFGHIJKLMNO"},
        {u"ABCDEFGHIJKLMNOPQRS", "ABCDEFGHIJKLMNO"},
        {u"\u20ac5 \u0141\u00f3d\u017a",
         "\x80"
         "5 ?\xF3"
         "d?"},
    };
    for (const auto& [name, sent] : cases) {
        ProfileRecord record = Profile1();
        record.name = name;
        const DeviceProfileImage image = ImageOf(record);
        std::vector<std::uint8_t> expected(sent.begin(), sent.end());
        expected.resize(16, 0);
        EXPECT_EQ(Bytes(image, 1, 16), expected) << sent;
        EXPECT_EQ(image[17], 0x00);
    }
}

TEST(DeviceImageTest, ButtonSlotsByFunction) {
    struct Case {
        std::uint8_t code;
        std::int16_t param;
        std::uint8_t type;
        std::uint8_t value;
    };
    const Case cases[] = {
        {13, 0x41, 0x02, 0x04}, {13, 0x10, 0x02, 0x10},  // A; VK_SHIFT passes unchanged
        {13, 0xA2, 0x02, 0xE0}, {8, 0, 0x08, 0xF1},     {9, 0, 0x08, 0xF0},
        {10, 0, 0x08, 0xF2},    {11, 65, 0x01, 0x01},   {12, 0, 0x01, 0xFF},
        {7, 0x41, 0x00, 0x00},  {16, 0, 0x00, 0x00},    {200, 0, 0x00, 0x00},
    };
    for (const Case& c : cases) {
        ProfileRecord record = Profile1();
        record.buttons[7].code = c.code;  // button 7 fills slot 10
        record.buttons[7].param = c.param;
        const DeviceProfileImage image = ImageOf(record);
        EXPECT_EQ(Bytes(image, 171, 7),
                  (std::vector<std::uint8_t>{c.type, c.value, 0, 0, 0, 0, 0x0F}))
            << "code " << int{c.code};
        EXPECT_EQ(Bytes(image, 150, 21), std::vector<std::uint8_t>(21, 0));  // slots 7 ... 9
    }
}

TEST(DeviceImageTest, KeyCodeTranslation) {
    const std::pair<std::uint16_t, std::uint16_t> cases[] = {
        {0x41, 0x04},
        {0x5A, 0x1D},
        {0x31, 0x1E},
        {0x39, 0x26},
        {0x30, 0x27},
        {0x70, 0x3A},
        {0x7B, 0x45},
        {0x60, 0x62},
        {0x61, 0x59},
        {0x69, 0x61},
        {0x03, 0x48},
        {0x13, 0x48},
        {0x5C, 0xE7},
        {0xA5, 0xE6},
        {0xAE, 0x81},
        {0xDE, 0x34},
        // unchanged: generic modifiers, separator, F13, mouse and wheel codes, above 0xFF
        {0x10, 0x10},
        {0x12, 0x12},
        {0x6C, 0x6C},
        {0x7C, 0x7C},
        {1, 1},
        {166, 166},
        {151, 151},
        {0x141, 0x141},
    };
    for (const auto& [key, usage] : cases) {
        EXPECT_EQ(TranslateKeyCode(key), usage) << std::hex << key;
    }
}

TEST(DeviceImageTest, MacroCopyCountsOnlyWhileItsIdMatchesTheBinding) {
    ProfileRecord record = Profile1();
    BindMacro(record, 4, SampleMacro(20, u"m", 4));
    record.buttons[4].param = 21;  // bound to a macro the copy is not
    DeviceImageBuild build = BuildDeviceImage(record);
    ASSERT_FALSE(build.refused());
    EXPECT_EQ(build.macros[4].count(), 0u);
    EXPECT_EQ(Bytes(*build.image, 129, 7),
              (std::vector<std::uint8_t>{0x03, 0xFE, 0x20, 0x03, 0x00, 0x00, 0x0F}));
    EXPECT_EQ(Bytes(*build.image, 800, 8), std::vector<std::uint8_t>(8, 0));

    // The 16-bit parameter is compared sign-extended.
    BindMacro(record, 4, SampleMacro(-2, u"m", 4));
    build = BuildDeviceImage(record);
    EXPECT_EQ(build.macros[4].count(), 4u);
    EXPECT_EQ((*build.image)[130], 0x00);  // it has release events
}

TEST(DeviceImageTest, LongMacroIsCutTo128Events) {
    ProfileRecord record = Profile1();
    BindMacro(record, 0, SampleMacro(16, u"long", 130));
    DeviceImageBuild build = BuildDeviceImage(record);
    ASSERT_FALSE(build.refused());
    EXPECT_EQ(build.totalMacroEvents, 128u);
    EXPECT_EQ(Bytes(*build.image, 101, 7),
              (std::vector<std::uint8_t>{0x03, 0x00, 0x20, 0x03, 128, 0x00, 0x0F}));

    // A second one brings the total to 256: refused before a single byte is packed.
    BindMacro(record, 5, SampleMacro(17, u"long too", 130));
    build = BuildDeviceImage(record);
    EXPECT_TRUE(build.refused());
    EXPECT_EQ(build.totalMacroEvents, 256u);
}

TEST(DeviceImageTest, TotalOf164IsPackedAnd165Refused) {
    ProfileRecord record = Profile1();
    BindMacro(record, 0, SampleMacro(16, u"a", 128));
    BindMacro(record, 8, SampleMacro(17, u"b", 36));
    DeviceImageBuild build = BuildDeviceImage(record);
    ASSERT_FALSE(build.refused());
    EXPECT_EQ(build.totalMacroEvents, 164u);
    // Two macros and their terminators: (164 + 2) records from byte 800.
    const std::size_t end = 800 + 7 * 166;
    EXPECT_EQ(Bytes(*build.image, end - 7, 7), std::vector<std::uint8_t>(7, 0));
    EXPECT_NE((*build.image)[end - 14], 0);
    EXPECT_EQ(Bytes(*build.image, 178, 6),
              (std::vector<std::uint8_t>{0x03, 0x00, 0xA7, 0x06, 36, 0x00}));  // 800 + 7 * 129

    BindMacro(record, 2, SampleMacro(18, u"c", 1));
    build = BuildDeviceImage(record);
    EXPECT_TRUE(build.refused());
    EXPECT_EQ(build.totalMacroEvents, 165u);
}

}  // namespace
}  // namespace orvex
