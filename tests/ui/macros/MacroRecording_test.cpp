// Recording keys into the shown macro with a scripted keyboard hook, in virtual time.
#include <QCoreApplication>
#include <QTest>
#include <functional>

#include "MacroPageRig.h"
#include "ui/layout/MacroSettingsLayout.h"
#include "ui/macros/CTavListBox.h"
#include "ui/macros/CTavMacroCtrl.h"
#include "ui/macros/IntRectQt.h"
#include "ui/macros/MacroRecordMenu.h"
#include "ui/skin/CTavButton.h"
#include "ui/skin/CTavCheckBox.h"
#include "ui/skin/CTavEdit.h"
#include "ui/skin/CTavMenu.h"
#include "ui/skin/MessageBox.h"
#include "ui/skin/PopupMenu.h"

namespace orvex::ui::testing {
namespace {

namespace mc = layout::macrosettings;
using namespace std::chrono_literals;

constexpr int kA = 'A';
constexpr int kB = 'B';
constexpr int kC = 'C';
constexpr int kX = 'X';
constexpr int kLeftCtrl = 162;

using MacroRecordingTest = MacroPageTest;

struct RecordCase {
    const char* what;
    std::vector<int> boxes;  // clicked before recording
    std::function<void()> keys;
    Events recorded;
};

TEST_F(MacroRecordingTest, WhatStartRecordRecords) {
    const auto typeAB = [this] {
        Wait(120ms);
        Press(kA);
        Wait(80ms);
        Release(kA);
        Wait(300ms);
        Press(kB);
        Wait(45ms);
        Release(kB);
    };
    const RecordCase cases[] = {
        {"A and B with Record Delay",
         {mc::kRecordDelayId},
         typeAB,
         {Key(kA, 0, 120), Key(kA, 1, 80), Key(kB, 0, 300), Key(kB, 1, 45)}},
        {"A and B without", {}, typeAB, {Key(kA, 0), Key(kA, 1), Key(kB, 0), Key(kB, 1)}},
        {"Ctrl+C with Record Hold",
         {mc::kRecordHoldId},
         [this] {
             Press(kLeftCtrl);
             Type({kC});
             Release(kLeftCtrl);
         },
         {Key(kLeftCtrl, 0), Key(kC, 0)}},
        {"a held key: once, and its release timed from the last repeat",
         {mc::kRecordDelayId},
         [this] {
             Wait(10ms);
             Press(kX);
             for (int repeat = 0; repeat < 5; ++repeat) {
                 Wait(33ms);
                 Press(kX);
             }
             Wait(20ms);
             Release(kX);
         },
         {Key(kX, 0, 10), Key(kX, 1, 20)}},
    };
    for (const RecordCase& c : cases) {
        SCOPED_TRACE(c.what);
        MakePage();
        CreateMacro(QStringLiteral("Macro"));
        GiveCurrentMacro({Key('Z', 0), Key('Z', 1)});
        for (const int box : c.boxes) {
            Click(box);
        }
        Click(mc::kStartRecordId);
        EXPECT_TRUE(ShownEvents().empty()) << "Start Record clears the macro";
        EXPECT_FALSE(page->checkBox(mc::kRecordDelayId)->isEnabled());
        EXPECT_FALSE(page->checkBox(mc::kRecordHoldId)->isEnabled());
        c.keys();
        Click(mc::kStopRecordId);
        EXPECT_EQ(ShownEvents(), c.recorded);
        // Stopped: the hook is gone and keys go nowhere.
        Type({kB});
        EXPECT_EQ(ShownEvents(), c.recorded);
        EXPECT_TRUE(page->checkBox(mc::kRecordDelayId)->isEnabled());
        EXPECT_FALSE(services.keyboardHook.IsInstalled());
    }
}

TEST_F(MacroRecordingTest, StartAndStopShareOnePlaceAndTheHookIsThePagesWhileRecording) {
    CreateMacro(QStringLiteral("Macro"));
    EXPECT_TRUE(page->button(mc::kStartRecordId)->isVisible());
    EXPECT_FALSE(page->button(mc::kStopRecordId)->isVisible());
    Click(mc::kStartRecordId);
    EXPECT_TRUE(page->isRecording());
    EXPECT_FALSE(page->button(mc::kStartRecordId)->isVisible());
    EXPECT_TRUE(page->button(mc::kStopRecordId)->isVisible());
    EXPECT_EQ(services.keyboardHook.Target(), page.get());
    Click(mc::kStopRecordId);
    EXPECT_FALSE(page->isRecording());
    EXPECT_TRUE(page->button(mc::kStartRecordId)->isVisible());
}

TEST_F(MacroRecordingTest, AFirstKeyEqualToTheLastOfThePreviousRecordingIsDropped) {
    CreateMacro(QStringLiteral("Macro"));
    Click(mc::kStartRecordId);
    Type({kA});  // ends with A released
    Click(mc::kStopRecordId);
    Click(mc::kStartRecordId);
    Release(kA);
    Type({kB});
    Click(mc::kStopRecordId);
    EXPECT_EQ(ShownEvents(), (Events{Key(kB, 0), Key(kB, 1)}));
}

TEST_F(MacroRecordingTest, StartingFromTheMenuInsertsAfterOrBeforeTheSelectedEvent) {
    const Events five{Key('1', 0), Key('2', 0), Key('3', 0), Key('4', 0), Key('5', 0)};

    CreateMacro(QStringLiteral("After"));
    GiveCurrentMacro(five);
    SelectEvent(1);
    RightClickEvent(1);
    ChooseInRecordMenu({recordmenu::kStartAfter});
    EXPECT_TRUE(page->isRecording());
    Type({kA});
    Click(mc::kStopRecordId);
    EXPECT_EQ(ShownEvents(), (Events{Key('1', 0), Key('2', 0), Key(kA, 0), Key(kA, 1), Key('3', 0),
                                     Key('4', 0), Key('5', 0)}));
    EXPECT_EQ(SelectedEvents(), std::vector<int>{3});

    CreateMacro(QStringLiteral("Before"));
    GiveCurrentMacro(five);
    SelectEvent(0);
    RightClickEvent(0);
    ChooseInRecordMenu({recordmenu::kStartBefore});
    EXPECT_TRUE(SelectedEvents().empty()) << "nothing is before the first event";
    Type({kB});
    Click(mc::kStopRecordId);
    EXPECT_EQ(ShownEvents(), (Events{Key(kB, 0), Key(kB, 1), Key('1', 0), Key('2', 0), Key('3', 0),
                                     Key('4', 0), Key('5', 0)}));
    EXPECT_TRUE(page->checkBox(mc::kRecordHoldId)->isEnabled())
        << "a start from the menu leaves the options alone";
}

TEST_F(MacroRecordingTest, AMacroSelectedWhileRecordingGetsTheKeysFromThenOn) {
    CreateMacro(QStringLiteral("First"));
    CreateMacro(QStringLiteral("Second"));
    Click(mc::kStartRecordId);
    Type({kA});
    const QRect firstRow = ToQRect(page->macroListBox()->rows().front().rect);
    QTest::mouseClick(page->macroListBox(), Qt::LeftButton, {}, firstRow.center());
    Type({kB});
    Click(mc::kStopRecordId);
    EXPECT_EQ(ShownEvents(), (Events{Key(kB, 0), Key(kB, 1)}));
    EXPECT_EQ(page->macroList()->CopyMacro(17)->events, (Events{Key(kA, 0), Key(kA, 1)}));
}

TEST_F(MacroRecordingTest, WhenTheHookCannotBeInstalledTheUserIsToldAndStopStillWorks) {
    CreateMacro(QStringLiteral("Macro"));
    services.desktop.refusesHooks = true;
    Click(mc::kStartRecordId);
    EXPECT_EQ(MessageBox::TakeShownTexts(), QStringList{QStringLiteral("start hook failed!")});
    EXPECT_TRUE(page->isRecording()) << "the page stays recording until Stop Record";
    EXPECT_TRUE(page->button(mc::kStopRecordId)->isVisible());
    Click(mc::kStopRecordId);
    EXPECT_FALSE(page->isRecording());

    services.desktop.refusesHooks = false;
    Click(mc::kStartRecordId);
    Type({kA});
    EXPECT_EQ(ShownEvents(), (Events{Key(kA, 0), Key(kA, 1)}));
}

TEST_F(MacroRecordingTest, WhileRecordingThePageTakesNoKeysAndNoNewOrDelete) {
    CreateMacro(QStringLiteral("Macro"));
    GiveCurrentMacro({Key('1', 0), Key('2', 0)});
    SelectEvent(0);
    RightClickEvent(0);
    ChooseInRecordMenu({recordmenu::kEditDelay});
    CTavEdit* delay = page->eventList()->delayEditor();
    ASSERT_TRUE(delay->isVisible());
    Click(mc::kStartRecordId);
    services.popups.QueueAnswers({1});

    QTest::keyClicks(delay, QStringLiteral("75"));
    EXPECT_EQ(delay->text(), QString()) << "typed keys do not reach the editors";
    CTavButton* stop = page->button(mc::kStopRecordId);
    stop->setFocus();
    QTest::keyClick(stop, Qt::Key_Space);
    EXPECT_TRUE(page->isRecording()) << "nor the buttons";
    Click(mc::kNewMacroId);
    Click(mc::kDeleteId);
    EXPECT_EQ(page->macroListBox()->rows().size(), 1u);
    EXPECT_FALSE(page->macroListBox()->nameEditor() &&
                 page->macroListBox()->nameEditor()->isVisible());
    EXPECT_TRUE(services.popups.TakeModes().empty()) << "Delete asks nothing while recording";

    QTest::mouseClick(page->eventList(), Qt::RightButton, {}, page->eventList()->rect().center());
    EXPECT_FALSE(page->eventList()->menu()->isVisible()) << "no record menu while recording";
    Click(mc::kStopRecordId);
}

TEST_F(MacroRecordingTest, TheTwoOptionsExcludeEachOther) {
    Click(mc::kRecordDelayId);
    EXPECT_TRUE(Checked(mc::kRecordDelayId));
    Click(mc::kRecordHoldId);
    EXPECT_TRUE(Checked(mc::kRecordHoldId));
    EXPECT_FALSE(Checked(mc::kRecordDelayId));
    Click(mc::kRecordDelayId);
    EXPECT_TRUE(Checked(mc::kRecordDelayId));
    EXPECT_FALSE(Checked(mc::kRecordHoldId));
    Click(mc::kRecordDelayId);
    EXPECT_FALSE(Checked(mc::kRecordDelayId));
    EXPECT_FALSE(Checked(mc::kRecordHoldId));
}

}  // namespace
}  // namespace orvex::ui::testing
