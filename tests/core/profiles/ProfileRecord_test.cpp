#include "core/profiles/ProfileRecord.h"

#include <gtest/gtest.h>

#include "core/buttons/ButtonFunction.h"
#include "core/profiles/ProfileSamples.h"

namespace orvex {
namespace {

using testing::RecordWithMacros;
using testing::SampleMacro;

TEST(ProfileRecordTest, DefaultBindingsAreTheFactoryFunctions) {
    const ProfileRecord record = MakeDefaultProfile();
    const std::uint8_t expectedCodes[kButtonCount] = {0, 1, 2, 3, 4, 5, 6, 15, 15};
    for (std::size_t b = 0; b < kButtonCount; ++b) {
        EXPECT_EQ(record.buttons[b], (ButtonBinding{static_cast<std::uint8_t>(b), expectedCodes[b],
                                                    0, expectedCodes[b]}))
            << "button " << b;
        EXPECT_EQ(record.buttonMacros[b], ProfileMacro{});
    }
    EXPECT_EQ(record.name, u"profile");
    EXPECT_TRUE(record.filePath.empty());
    EXPECT_EQ(record.zoneColours[3], 0x00FFFF00u);
    EXPECT_EQ(record.resolutionSteps[2], (ResolutionStep{7000, 7000}));
}

TEST(ProfileRecordTest, ResetKeepsIdentityAndMacroCopies) {
    ProfileRecord record = RecordWithMacros();
    record.filePath = "/tmp/Default3.profile";
    record.slotIndex = 2;
    record.name = u"Renamed";
    record.accelerationLevel = 3;
    record.buttons[7].defaultCode = 4;  // a default code of its own must survive
    const auto macros = record.buttonMacros;

    ResetProfileToDefaults(record);

    ProfileRecord expected;
    expected.filePath = "/tmp/Default3.profile";
    expected.slotIndex = 2;
    expected.name = u"Renamed";
    expected.buttonMacros = macros;
    expected.buttons[7].defaultCode = 4;
    EXPECT_EQ(record, expected);
}

TEST(ProfileRecordTest, MacroNameForBindingReadsTheButtonsCopy) {
    const ProfileRecord record = RecordWithMacros();
    EXPECT_EQ(MacroNameForBinding(record, record.buttons[3]), u"Hold");
    EXPECT_EQ(MacroNameForBinding(record, record.buttons[4]), u"");  // empty copy
    EXPECT_EQ(MacroNameForBinding(record, ButtonBinding{9, 14, 17, 0}), u"");
}

TEST(ProfileRecordTest, StoringAFoundMacroReplacesTheCopy) {
    ProfileRecord record = RecordWithMacros();
    ProfileMacro edited = SampleMacro(17, u"Hold v2", 6);

    StoreBindingMacro(&edited, record.buttons[3], record);
    edited.ClearEvents();  // the record holds its own copy

    EXPECT_EQ(record.buttonMacros[3], SampleMacro(17, u"Hold v2", 6));
    EXPECT_EQ(record.buttons[3].code, ToCode(ButtonFunction::RecordMacro));
}

TEST(ProfileRecordTest, StoringADeletedMacroFallsBackToTheDefaultFunction) {
    ProfileRecord record = RecordWithMacros();
    StoreBindingMacro(nullptr, record.buttons[8], record);
    EXPECT_EQ(record.buttons[8], (ButtonBinding{8, 15, 0, 15}));

    StoreBindingMacro(nullptr, record.buttons[0], record);
    EXPECT_EQ(record.buttons[0], (ButtonBinding{0, 0, 0, 0}));
}

TEST(ProfileRecordTest, StoringChangesNothingForAButtonOutOfRange) {
    ProfileRecord record = RecordWithMacros();
    const ProfileRecord before = record;
    ButtonBinding stray{9, 14, 16, 3};
    const ProfileMacro macro = SampleMacro(16, u"x", 1);

    StoreBindingMacro(&macro, stray, record);
    StoreBindingMacro(nullptr, stray, record);

    EXPECT_EQ(record, before);
    EXPECT_EQ(stray, (ButtonBinding{9, 14, 16, 3}));
}

}  // namespace
}  // namespace orvex
