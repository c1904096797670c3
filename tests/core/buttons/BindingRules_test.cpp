#include "core/buttons/BindingRules.h"

#include <gtest/gtest.h>

#include "core/buttons/ButtonFunction.h"
#include "core/macros/MacroList.h"

namespace orvex {
namespace {

constexpr std::uint8_t kSingleKey = ToCode(ButtonFunction::SingleKey);
constexpr std::uint8_t kRecordMacro = ToCode(ButtonFunction::RecordMacro);

TEST(BindingRules, SingleKeyAndMacroBindings) {
    ButtonBinding binding{3, ToCode(ButtonFunction::Forward), 0, 3};
    BindSingleKey(binding, 160);
    EXPECT_EQ(binding, (ButtonBinding{3, kSingleKey, 160, 3}));

    EXPECT_TRUE(BindMacro(binding, 32767));
    EXPECT_EQ(binding, (ButtonBinding{3, kRecordMacro, 32767, 3}));

    // 65552 would be cut to 16 and bind another macro.
    for (const std::int32_t unbindable : {65552, 32768, 15, -1}) {
        EXPECT_FALSE(BindMacro(binding, unbindable)) << unbindable;
    }
    EXPECT_EQ(binding, (ButtonBinding{3, kRecordMacro, 32767, 3}));
}

TEST(BindingRules, StoringCopiesLiveMacrosAndResetsDeletedOnes) {
    MacroList macros;
    CMacro& fire = macros.AddMacro(16, u"Fire");
    fire.AddEvent(kKeyEventType, 65, kEventPress, 0, InsertMode::Append);
    ProfileRecord record = MakeDefaultProfile();
    ASSERT_TRUE(BindMacro(record.buttons[4], 16));
    ASSERT_TRUE(BindMacro(record.buttons[8], 17));  // no such macro any more
    record.buttons[2].param = 16;                   // not bound to a macro: left alone

    StoreMacroBindings(record, macros);

    EXPECT_EQ(record.buttonMacros[4], fire.ToProfileMacro());
    EXPECT_EQ(record.buttons[8], (ButtonBinding{8, ToCode(ButtonFunction::DisableButton), 0,
                                                ToCode(ButtonFunction::DisableButton)}));
    EXPECT_EQ(record.buttonMacros[2], ProfileMacro{});

    // Later edits of the macro reach the profile only when the bindings are stored again.
    fire.name = u"Renamed";
    EXPECT_EQ(BindingLabel(record, record.buttons[4]), u"Fire");
    StoreMacroBindings(record, macros);
    EXPECT_EQ(BindingLabel(record, record.buttons[4]), u"Renamed");
}

TEST(BindingRules, Labels) {
    ProfileRecord record = MakeDefaultProfile();
    record.buttons[1].code = kSingleKey;
    record.buttons[1].param = 38;
    record.buttons[2].code = kSingleKey;
    record.buttons[2].param = 16;  // a key without a name
    record.buttons[3].code = ToCode(ButtonFunction::ScrollUp);
    record.buttons[3].param = 65;  // a key left over from before: ignored
    record.buttons[5].code = 7;
    record.buttons[6].code = kRecordMacro;  // its copy is empty

    EXPECT_EQ(BindingLabel(record, record.buttons[0]), u"Left Click");
    EXPECT_EQ(BindingLabel(record, record.buttons[1]), u"UP ARROW ");
    EXPECT_EQ(BindingLabel(record, record.buttons[2]), u"");
    EXPECT_EQ(BindingLabel(record, record.buttons[3]), u"Scroll up");
    EXPECT_EQ(BindingLabel(record, record.buttons[5]), std::nullopt);
    EXPECT_EQ(BindingLabel(record, record.buttons[6]), u"");
    EXPECT_EQ(BindingLabel(record, record.buttons[7]), u"Disable Button");
}

}  // namespace
}  // namespace orvex
