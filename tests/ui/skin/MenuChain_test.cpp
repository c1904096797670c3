// The record menu's three levels driven with real pointer events: hover, choices, closing.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "ui/skin/CTavMenu.h"
#include "ui/skin/MenuPressWatch.h"
#include "ui/skin/NotificationCodes.h"
#include "ui/skin/RecordingParent.h"

namespace orvex::ui {
namespace {

using testing::Notification;
using testing::RecordingParent;

const Notification kBefore{kMenuHidingCode, kMenuHidingBefore};
const Notification kAfter{kMenuHidingCode, kMenuHidingAfter};

QPoint CentreOf(const PopupMenu& menu, int index) {
    return menu.item(index).rect.center();
}

class MenuChainTest : public ::testing::Test {
  protected:
    void SetUp() override {
        owner.setGeometry(0, 0, 300, 200);
        owner.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&owner));

        top.AddItem(1, QStringLiteral("Start record before event"));
        top.AddItem(2, QStringLiteral("Start record after event"));
        top.AddItem(3, QStringLiteral("Insert mouse event"));
        top.AddItem(4, QStringLiteral("Insert delay"));
        top.AddSubItem(7, 3, QStringLiteral("Left button"));
        top.AddSubItem(11, 3, QStringLiteral("Right button"));
        top.AddSubSubItem(8, 7, QStringLiteral("Down"));
        top.AddSubSubItem(9, 7, QStringLiteral("Up"));
        top.AddSubSubItem(10, 7, QStringLiteral("Click"));
        top.AddSubSubItem(12, 11, QStringLiteral("Down"));
        second = top.GetSubMenu(3);
        second->resize(120, second->height());
        third = second->GetSubMenu(7);

        top.Popup(PopupMenu::kPlacementTopLeft, 400, 50);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&top));
    }

    void TearDown() override { top.Close(); }

    // Opens "Insert mouse event" and its "Left button".
    void OpenAllLevels() {
        QTest::mouseMove(&top, CentreOf(top, 2));
        ASSERT_TRUE(second->isVisible());
        QTest::mouseMove(second, CentreOf(*second, 0));
        ASSERT_TRUE(third->isVisible());
        owner.notifications.clear();
    }

    RecordingParent owner;
    CTavMenu top{&owner, 4321, QRect(0, 0, 170, 20)};
    CTavMenu* second = nullptr;
    CTavMenu* third = nullptr;
};

TEST_F(MenuChainTest, HoverOpensSubMenusBesideTheirEntryAtOnce) {
    QTest::mouseMove(&top, CentreOf(top, 2));
    EXPECT_EQ(top.hoveredIndex(), 2);
    ASSERT_TRUE(second->isVisible());
    EXPECT_EQ(second->pos(), QPoint(400 + 170 - 5, 50 + top.item(2).rect.top() - 5));

    QTest::mouseMove(second, CentreOf(*second, 0));
    ASSERT_TRUE(third->isVisible());
    EXPECT_EQ(third->pos(), second->pos() + QPoint(120 - 5, second->item(0).rect.top() - 5));
    EXPECT_EQ(CTavMenu::FamilyPressWatch().target(), third);

    // The other entry of the second level swaps the third level at once.
    owner.notifications.clear();
    QTest::mouseMove(second, CentreOf(*second, 1));
    EXPECT_FALSE(third->isVisible());
    EXPECT_TRUE(second->GetSubMenu(11)->isVisible());
    EXPECT_EQ(owner.notifications, (std::vector<Notification>{kBefore, kAfter}));
    EXPECT_TRUE(top.isVisible());
}

TEST_F(MenuChainTest, MovingToAPlainEntryClosesTheSubMenusBelow) {
    OpenAllLevels();
    QTest::mouseMove(&top, CentreOf(top, 3));
    EXPECT_FALSE(second->isVisible());
    EXPECT_FALSE(third->isVisible());
    EXPECT_EQ(top.hoveredIndex(), 3);
    EXPECT_EQ(owner.notifications, (std::vector<Notification>{kBefore, kBefore, kAfter, kAfter}));
    EXPECT_EQ(CTavMenu::FamilyPressWatch().target(), &top);

    // Moving within the entry already highlighted changes nothing.
    owner.notifications.clear();
    QTest::mouseMove(&top, CentreOf(top, 3) + QPoint(5, 0));
    EXPECT_TRUE(owner.notifications.empty());
}

TEST_F(MenuChainTest, AThirdLevelChoiceIsSentWhileShownThenClosesEveryLevel) {
    OpenAllLevels();
    bool allShownDuringChoice = false;
    owner.onNotification = [&](int code, int) {
        if (code == 7) {
            allShownDuringChoice = top.isVisible() && second->isVisible() && third->isVisible();
        }
    };
    QTest::mouseClick(third, Qt::LeftButton, {}, CentreOf(*third, 2));

    EXPECT_EQ(
        owner.notifications,
        (std::vector<Notification>{{7, 10}, kBefore, kBefore, kBefore, kAfter, kAfter, kAfter}));
    EXPECT_TRUE(allShownDuringChoice);
    EXPECT_FALSE(top.isVisible());
    EXPECT_FALSE(second->isVisible());
    EXPECT_FALSE(third->isVisible());
    EXPECT_FALSE(CTavMenu::FamilyPressWatch().isInstalled());

    // A closed menu closes no more.
    owner.notifications.clear();
    top.Close();
    EXPECT_TRUE(owner.notifications.empty());
}

TEST_F(MenuChainTest, ChoosingAnEntryThatOpensASubMenuSendsNothingAndStaysOpen) {
    QTest::mouseClick(&top, Qt::LeftButton, {}, CentreOf(top, 2));
    EXPECT_TRUE(owner.notifications.empty());
    EXPECT_TRUE(top.isVisible());
    EXPECT_TRUE(second->isVisible());

    // A top-level choice carries the top menu's id. Getting there, the pointer passes onto the
    // plain entry, which closes the sub-menu first.
    QTest::mouseClick(&top, Qt::LeftButton, {}, CentreOf(top, 1));
    EXPECT_EQ(owner.notifications,
              (std::vector<Notification>{kBefore, kAfter, {4321, 2}, kBefore, kAfter}));
    EXPECT_FALSE(top.isVisible());
}

TEST_F(MenuChainTest, PressesInTheMenuOrItsParentsKeepItOpenAPressOutsideClosesIt) {
    OpenAllLevels();
    // Only the release of a press inside chooses (and closes).
    QTest::mousePress(third, Qt::LeftButton, {}, CentreOf(*third, 0));
    EXPECT_TRUE(third->isVisible());
    QTest::mouseRelease(third, Qt::LeftButton, {}, CentreOf(*third, 0));
    EXPECT_FALSE(third->isVisible());
    top.Popup(PopupMenu::kPlacementTopLeft, 400, 50);
    OpenAllLevels();

    // Presses on entries of the parent levels: neither the watch nor the menus close anything.
    QTest::mousePress(second, Qt::LeftButton, {}, CentreOf(*second, 0));
    QTest::mouseRelease(second, Qt::LeftButton, {}, CentreOf(*second, 0));
    QTest::mousePress(&top, Qt::LeftButton, {}, CentreOf(top, 2));
    QTest::mouseRelease(&top, Qt::LeftButton, {}, CentreOf(top, 2));
    EXPECT_TRUE(top.isVisible());
    EXPECT_TRUE(second->isVisible());
    EXPECT_TRUE(third->isVisible());
    EXPECT_TRUE(owner.notifications.empty());

    // The owner's window is outside the chain.
    QTest::mousePress(&owner, Qt::LeftButton, {}, QPoint(20, 20));
    EXPECT_FALSE(top.isVisible());
    EXPECT_FALSE(second->isVisible());
    EXPECT_FALSE(third->isVisible());
    EXPECT_EQ(owner.notifications,
              (std::vector<Notification>{kBefore, kBefore, kBefore, kAfter, kAfter, kAfter}));
    QTest::mouseRelease(&owner, Qt::LeftButton, {}, QPoint(20, 20));
    EXPECT_FALSE(CTavMenu::FamilyPressWatch().isInstalled());
}

TEST_F(MenuChainTest, ARightPressOutsideDoesNotCloseALeftPressInTheFrameDoes) {
    QTest::mouseClick(&owner, Qt::RightButton, {}, QPoint(20, 20));
    EXPECT_TRUE(top.isVisible());

    QTest::mousePress(&top, Qt::LeftButton, {}, QPoint(top.width() - 3, 2));
    EXPECT_FALSE(top.isVisible());
    QTest::mouseRelease(&top, Qt::LeftButton, {}, QPoint(top.width() - 3, 2));
}

TEST_F(MenuChainTest, TheApplicationLosingActivationClosesTheChain) {
    OpenAllLevels();
    QApplicationStateChangeEvent inactive(Qt::ApplicationInactive);
    QCoreApplication::sendEvent(qApp, &inactive);
    EXPECT_FALSE(top.isVisible());
    EXPECT_FALSE(third->isVisible());
    EXPECT_EQ(owner.notifications.size(), 6u);
}

TEST_F(MenuChainTest, ANotificationReachingAMenuGoesToTheOwnerAndClosesTheChain) {
    OpenAllLevels();
    SendControlNotification(second, 77, 5);
    ASSERT_FALSE(owner.notifications.empty());
    EXPECT_EQ(owner.notifications.front(), (Notification{77, 5}));
    EXPECT_FALSE(top.isVisible());
    EXPECT_FALSE(third->isVisible());
}

TEST_F(MenuChainTest, AnEmptiedSubListNeitherOpensNorShowsAsOpenable) {
    second->GetSubMenu(11)->RemoveAllItems();
    QTest::mouseMove(&top, CentreOf(top, 2));
    QTest::mouseMove(second, CentreOf(*second, 1));
    EXPECT_FALSE(second->GetSubMenu(11)->isVisible());
    EXPECT_EQ(second->hoveredIndex(), 1);
    // Its entry still counts as opening a sub-menu, so it is never chosen.
    owner.notifications.clear();
    QTest::mouseClick(second, Qt::LeftButton, {}, CentreOf(*second, 1));
    EXPECT_TRUE(owner.notifications.empty());
    EXPECT_TRUE(second->isVisible());
}

}  // namespace
}  // namespace orvex::ui
