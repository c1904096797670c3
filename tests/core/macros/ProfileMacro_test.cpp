#include "core/macros/ProfileMacro.h"

#include <gtest/gtest.h>

namespace orvex {
namespace {

TEST(ProfileMacroTest, CopyKeepsItsEventsWhenTheSourceIsCleared) {
    ProfileMacro source;
    source.name = u"Burst";
    source.id = 16;
    source.AppendEvent({kKeyEventType, 0x41, kEventPress, 0});
    source.AppendEvent({kKeyEventType, 0x41, kEventRelease, 100});

    const ProfileMacro copy = source;
    source.ClearEvents();
    source.name = u"changed";

    ASSERT_EQ(copy.events.size(), 2u);
    EXPECT_EQ(copy.events[1], (CMacroEvent{kKeyEventType, 0x41, kEventRelease, 100}));
    EXPECT_EQ(copy.name, u"Burst");
    EXPECT_EQ(copy.id, 16);
}

TEST(ProfileMacroTest, HoldMacroHasNoReleaseEvent) {
    struct Case {
        std::vector<CMacroEvent> events;
        bool hold;
    };
    const Case cases[] = {
        {{}, true},
        {{{kKeyEventType, 0xA2, kEventPress, 0}, {kMouseButtonEventType, kLeftButtonCode, 0, 5}},
         true},
        {{{kKeyEventType, 0xA2, kEventPress, 0}, {kKeyEventType, 0xA2, kEventRelease, 5}}, false},
        {{{kWheelEventType, kWheelUpCode, kEventPress, 0}}, true},
    };
    for (const Case& c : cases) {
        ProfileMacro macro;
        for (const CMacroEvent& event : c.events) {
            macro.AppendEvent(event);
        }
        EXPECT_EQ(macro.IsHoldMacro(), c.hold) << c.events.size() << " events";
    }
}

}  // namespace
}  // namespace orvex
