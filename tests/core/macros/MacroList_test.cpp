#include "core/macros/MacroList.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/macros/CMacroEvent.h"
#include "core/macros/RecordingObserver.h"
#include "core/profiles/TempFolder.h"

namespace orvex {
namespace {

TEST(MacroList, ShowMacroFindsOrAddsAndBecomesCurrent) {
    testing::RecordingObserver observer;
    MacroList list(&observer);
    list.SetClientArea({0, 0, 200, 199});
    EXPECT_EQ(list.CurrentMacro(), nullptr);
    EXPECT_EQ(list.NextId(), 16);

    CMacro& first = list.ShowMacro(16, u"Macro");
    EXPECT_EQ(list.CurrentMacro(), &first);
    EXPECT_EQ(first.name, u"Macro");
    EXPECT_EQ(first.area, (IntRect{0, 0, 200, 199}));

    list.AddMacro(40, u"Fire");
    EXPECT_EQ(list.NextId(), 41);
    CMacro& again = list.ShowMacro(16, u"other text");  // found by id, the name is not used
    EXPECT_EQ(&again, &first);
    EXPECT_EQ(again.name, u"Macro");
    EXPECT_EQ(list.size(), 2u);
    EXPECT_EQ(observer.notices,
              (std::vector<std::string>{"added 16", "shown 16", "added 40", "shown 16"}));
}

TEST(MacroList, EventsOfAMacroNotifyTheListObserver) {
    testing::RecordingObserver observer;
    MacroList list;
    CMacro& macro = list.AddMacro(16, u"Macro");
    list.SetObserver(&observer);  // reaches macros added before as well
    macro.AddEvent(kKeyEventType, 65, kEventPress, 0, InsertMode::Append);
    EXPECT_EQ(observer.notices, (std::vector<std::string>{"110 1", "115 0"}));
}

TEST(MacroList, RemoveMacroRemovesEveryMacroWithTheId) {
    MacroList list;
    list.AddMacro(16, u"A");
    list.AddMacro(17, u"B");
    list.AddMacro(16, u"A again");
    list.ShowMacro(17, u"B");

    list.RemoveMacro(16);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list.Macros()[0]->id, 17);
    EXPECT_NE(list.CurrentMacro(), nullptr);

    list.RemoveMacro(17);
    EXPECT_EQ(list.CurrentMacro(), nullptr);
    EXPECT_EQ(list.size(), 0u);
}

TEST(MacroList, CopyMacroIsADeepCopyOrNothing) {
    MacroList list;
    CMacro& macro = list.AddMacro(16, u"Macro");
    macro.AddEvent(kMouseButtonEventType, kLeftButtonCode, kEventPress, 10, InsertMode::Append);

    const auto copy = list.CopyMacro(16);
    ASSERT_TRUE(copy.has_value());
    EXPECT_EQ(copy->name, u"Macro");
    EXPECT_EQ(copy->id, 16);
    EXPECT_EQ(
        copy->events,
        (std::vector<CMacroEvent>{{kMouseButtonEventType, kLeftButtonCode, kEventPress, 10}}));

    macro.ClearEvents();
    EXPECT_EQ(copy->events.size(), 1u);
    EXPECT_FALSE(list.CopyMacro(17).has_value());
}

TEST(MacroList, AMacroLoadedBeforeTheListHadItsSizeIsLaidOutWhenShown) {
    testing::TempFolder folder;
    {
        MacroList saved;
        saved.SetMacroFolder(folder.path());
        CMacro& macro = saved.AddMacro(17, u"Greeting");
        macro.AddEvent(kKeyEventType, 'A', kEventPress, 120, InsertMode::Append);
        macro.AddEvent(kKeyEventType, 'A', kEventRelease, 80, InsertMode::Append);
        ASSERT_TRUE(saved.SaveMacroList());
    }
    MacroList loaded;
    loaded.SetMacroFolder(folder.path());
    ASSERT_EQ(loaded.LoadMacroList(), 0U);
    const IntRect area{0, 0, 200, 199};
    loaded.SetClientArea(area);

    const CMacro& shown = loaded.ShowMacro(17, u"Greeting");
    ASSERT_EQ(shown.events.size(), 2U);
    for (std::size_t row = 0; row < shown.events.size(); ++row) {
        EXPECT_EQ(shown.events[row].rect, shown.StandardRowRect(row)) << row;
        EXPECT_GT(shown.events[row].rect.right, shown.events[row].rect.left) << row;
        EXPECT_GE(shown.events[row].rect.top, area.top) << row;
    }
}

}  // namespace
}  // namespace orvex
