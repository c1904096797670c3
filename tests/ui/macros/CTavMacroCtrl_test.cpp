// The event list and its record menu, on the page, driven with real pointer and key events.
#include "ui/macros/CTavMacroCtrl.h"

#include <QSignalSpy>
#include <QTest>

#include "MacroPageRig.h"
#include "core/macros/EventText.h"
#include "ui/layout/MacroSettingsLayout.h"
#include "ui/macros/CTavListBox.h"
#include "ui/macros/MacroRecordMenu.h"
#include "ui/skin/CTavEdit.h"
#include "ui/skin/CTavMenu.h"
#include "ui/skin/CTavScrollCtrl.h"
#include "ui/skin/NotificationCodes.h"
#include "ui/skin/RecordingParent.h"

namespace orvex::ui::testing {
namespace {

namespace rm = recordmenu;

constexpr std::uint8_t kButton = kMouseButtonEventType;

CMacroEvent Mouse(std::int16_t code, std::uint8_t release) {
    return {kButton, code, release, 0};
}

const Events kFive{Key('1', 0, 10), Key('2', 0, 20), Key('3', 0, 30), Key('4', 0, 40),
                   Key('5', 0, 50)};

class EventListTest : public MacroPageTest {
  protected:
    void SetUp() override {
        MacroPageTest::SetUp();
        CreateMacro(QStringLiteral("Macro"));
        GiveCurrentMacro(kFive);
    }
};

struct InsertCase {
    std::vector<int> path;
    Events inserted;
};

TEST_F(EventListTest, MouseEventsGoAfterTheSelectedEventWithNoDelay) {
    const InsertCase cases[] = {
        {{rm::kInsertMouseEvent, 15, 18},
         {Mouse(kMiddleButtonCode, 0), Mouse(kMiddleButtonCode, 1)}},
        {{rm::kInsertMouseEvent, 7, 8}, {Mouse(kLeftButtonCode, 0)}},
        {{rm::kInsertMouseEvent, 11, 13}, {Mouse(kRightButtonCode, 1)}},
        {{rm::kInsertMouseEvent, 19, 22},
         {Mouse(kForwardButtonCode, 0), Mouse(kForwardButtonCode, 1)}},
        {{rm::kInsertMouseEvent, 23, 24}, {Mouse(kBackButtonCode, 0)}},
        {{rm::kInsertMouseEvent, 27, 28}, {{kWheelEventType, kWheelDownCode, 0, 0}}},
        {{rm::kInsertMouseEvent, 27, 29}, {{kWheelEventType, kWheelUpCode, 0, 0}}},
    };
    for (const InsertCase& c : cases) {
        SCOPED_TRACE(c.path.back());
        GiveCurrentMacro(kFive);
        SelectEvent(2);
        RightClickEvent(2);
        ChooseInRecordMenu({c.path[0], c.path[1], c.path[2]});
        Events expected(kFive.begin(), kFive.begin() + 3);
        expected.insert(expected.end(), c.inserted.begin(), c.inserted.end());
        expected.insert(expected.end(), kFive.begin() + 3, kFive.end());
        EXPECT_EQ(ShownEvents(), expected);
        EXPECT_EQ(SelectedEvents(), std::vector<int>{2 + static_cast<int>(c.inserted.size())});
        EXPECT_FALSE(page->eventList()->menu()->isVisible());
    }
}

TEST_F(EventListTest, TheMenusHideNoticesReachTheWindowAboveThePage) {
    RecordingParent window;
    page->setParent(&window);
    window.show();
    RightClickEvent(2);
    ChooseInRecordMenu({rm::kInsertMouseEvent, 15, 18});
    const Notification before{kMenuHidingCode, kMenuHidingBefore};
    const Notification after{kMenuHidingCode, kMenuHidingAfter};
    EXPECT_EQ(window.notifications,
              (std::vector<Notification>{before, before, before, after, after, after}))
        << "one pair for each of the three levels";
    page->setParent(nullptr);
}

TEST_F(EventListTest, TheRightButtonLeavesTheSelectionAndTheMenuActsOnIt) {
    SelectEvent(1);
    RightClickEvent(3);
    EXPECT_TRUE(page->eventList()->menu()->isVisible());
    EXPECT_EQ(SelectedEvents(), std::vector<int>{1});
    ChooseInRecordMenu({rm::kDelete});
    EXPECT_EQ(ShownEvents(), (Events{kFive[0], kFive[2], kFive[3], kFive[4]}));
    EXPECT_EQ(SelectedEvents(), std::vector<int>{1});
}

TEST_F(EventListTest, ADelayTypedIntoTheEditorIsTheEventsOnEnter) {
    SelectEvent(3);
    RightClickEvent(3);
    ChooseInRecordMenu({rm::kEditDelay});
    CTavEdit* editor = page->eventList()->delayEditor();
    ASSERT_TRUE(editor->isVisible());
    EXPECT_TRUE(editor->hasFocus());
    EXPECT_EQ(editor->text(), QString()) << "it opens empty";
    QTest::keyClicks(editor, QStringLiteral("2x5 0"));
    EXPECT_EQ(editor->text(), QStringLiteral("250")) << "digits only";
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_FALSE(editor->isVisible());
    EXPECT_EQ(ShownEvents()[3].delay, 250);
    EXPECT_EQ(DelayText(ShownEvents()[3].delay), u"250 ms");

    // Empty text keeps the delay; a press on the list closes the editor and does nothing more.
    RightClickEvent(3);
    ChooseInRecordMenu({rm::kInsertDelay});
    SelectEvent(0);
    EXPECT_FALSE(editor->isVisible());
    EXPECT_EQ(ShownEvents()[3].delay, 250);
    EXPECT_EQ(SelectedEvents(), std::vector<int>{0}) << "the release still selects";
}

TEST_F(EventListTest, ADelayBeingTypedStaysWithItsMacroWhenAnotherIsShown) {
    SelectEvent(0);
    RightClickEvent(0);
    ChooseInRecordMenu({rm::kEditDelay});
    QTest::keyClicks(page->eventList()->delayEditor(), QStringLiteral("99"));
    CreateMacro(QStringLiteral("Other"));
    EXPECT_EQ(page->macroList()->CopyMacro(16)->events.front().delay, 99);
    EXPECT_TRUE(ShownEvents().empty());
}

TEST_F(EventListTest, DelayEntriesWithoutASelectedEventOpenNothing) {
    CreateMacro(QStringLiteral("Empty"));
    QTest::mouseClick(page->eventList(), Qt::RightButton, {}, QPoint(50, 50));
    ChooseInRecordMenu({rm::kInsertDelay});
    EXPECT_TRUE(page->eventList()->delayEditor() == nullptr ||
                !page->eventList()->delayEditor()->isVisible());
}

TEST_F(EventListTest, LongMacrosScrollToTheEventJustAdded) {
    Events many;
    for (int i = 0; i < 30; ++i) {
        many.push_back(Key('A' + i % 26, 0));
    }
    GiveCurrentMacro(many);
    const CMacro* macro = page->eventList()->CurrentMacro();
    const int height = page->eventList()->height();
    EXPECT_EQ(macro->events.back().rect.bottom, height) << "the newest row at the bottom";
    EXPECT_EQ(page->eventList()->scrollBar()->maximum(), 30);

    // Showing the macro again starts from the top.
    CreateMacro(QStringLiteral("Other"));
    QTest::mouseClick(page->macroListBox(), Qt::LeftButton, {},
                      QPoint(50, page->macroListBox()->rows().front().rect.top + 9));
    EXPECT_GE(macro->events.front().rect.top, 0);

    // A selected row near the top, and a mouse click inserted after it, are shown.
    SelectEvent(1);
    RightClickEvent(1);
    ChooseInRecordMenu({rm::kInsertMouseEvent, 7, 10});
    EXPECT_GE(macro->events[3].rect.top, 0);
    EXPECT_LE(macro->events[3].rect.bottom, height);
}

}  // namespace
}  // namespace orvex::ui::testing
