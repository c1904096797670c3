#include "ui/skin/CTavComboButton.h"

#include <gtest/gtest.h>

#include <QScreen>
#include <QTest>

#include "core/device/VirtualClock.h"
#include "ui/skin/CQELComboButton.h"
#include "ui/skin/NotificationCodes.h"
#include "ui/skin/RecordingParent.h"

namespace orvex::ui {
namespace {

using namespace std::chrono_literals;
using testing::Notification;
using testing::RecordingParent;

const Notification kBefore{kMenuHidingCode, kMenuHidingBefore};
const Notification kAfter{kMenuHidingCode, kMenuHidingAfter};
constexpr int kButtonId = 1012;

// A function button as the mouse page fills it.
class CTavComboButtonTest : public ::testing::Test {
  protected:
    void SetUp() override {
        window.setGeometry(0, 0, 400, 300);
        button.setGeometry(20, 100, 160, 24);
        button.SetControlId(kButtonId);
        button.SetClock(clock);
        button.AddMenuItem(255, QStringLiteral("Default Commands"));
        button.AddSubMenuItem(0, 255, QStringLiteral("Left Click"));
        button.AddSubMenuItem(1, 255, QStringLiteral("Right Click"));
        button.AddMenuItem(9, QStringLiteral("Profile switch up"));
        button.AddMenuItem(15, QStringLiteral("Disable Button"));
        button.SetSelection(QStringLiteral("Left Click"), 0, 7);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        QTest::mouseMove(&button, kCentre);
    }

    void TearDown() override { button.menu()->Close(); }

    PopupMenu& menu() { return *button.menu(); }

    void OpenMenu() {
        QTest::mouseClick(&button, Qt::LeftButton, {}, kCentre);
        ASSERT_TRUE(menu().isVisible());
        window.notifications.clear();
    }

    void Choose(PopupMenu& list, int index) {
        QTest::mouseClick(&list, Qt::LeftButton, {}, list.item(index).rect.center());
    }

    static constexpr QPoint kCentre{80, 12};
    VirtualClock clock;
    RecordingParent window;
    CTavComboButton button{&window};
};

TEST_F(CTavComboButtonTest, MenuIsMadeByTheFirstEntryAndOwnedByTheButton) {
    EXPECT_EQ(menu().width(), 158) << "the button's width less 2";
    EXPECT_EQ(menu().owner(), &button);
    EXPECT_EQ(button.ItemText(1), QStringLiteral("Right Click"));
    EXPECT_EQ(button.ItemText(77), QString());
    button.EnsureMenu();
    EXPECT_EQ(menu().size(), QSize(158, 20));

    CQELComboButton bare;
    EXPECT_EQ(bare.ItemText(0), QString());
    bare.EnsureMenu();
    ASSERT_NE(bare.qelMenu(), nullptr);
    EXPECT_EQ(bare.menu()->size(), QSize(55, 10));
}

TEST_F(CTavComboButtonTest, AClickDropsTheMenuBelowOrAboveTheButton) {
    OpenMenu();
    EXPECT_EQ(menu().pos(), button.mapToGlobal(QPoint(0, 24)));
    EXPECT_TRUE(button.menuGuard());
    menu().Close();

    button.SetOpenUpwards(true);
    clock.Advance(1s);
    OpenMenu();
    const QRect frame = menu().geometry();
    EXPECT_EQ(QPoint(frame.x(), frame.y() + frame.height()), button.mapToGlobal(QPoint(0, 0)));
    menu().Close();

    // With the screen ending just below the button, the list opens above it instead.
    button.SetOpenUpwards(false);
    const QRect screen = window.screen()->availableGeometry();
    window.move(0, screen.y() + screen.height() - 130);
    clock.Advance(1s);
    OpenMenu();
    EXPECT_EQ(menu().geometry().y() + menu().height(), button.mapToGlobal(QPoint(0, 0)).y());
}

TEST_F(CTavComboButtonTest, AChoiceIsToldFirstThenTakenAndHideNoticesArePassedOn) {
    Notification seen{};
    QString textDuringChoice;
    window.onNotification = [&](int code, int value) {
        if (code == kButtonId) {
            seen = {code, value};
            textDuringChoice = button.Text();
        }
    };
    OpenMenu();
    Choose(menu(), 2);
    EXPECT_EQ(seen, (Notification{kButtonId, 15}));
    EXPECT_EQ(textDuringChoice, QStringLiteral("Left Click"));
    EXPECT_EQ(button.Text(), QStringLiteral("Disable Button"));
    EXPECT_EQ(button.selectedCode(), 15);
    EXPECT_EQ(button.selectedParameter(), 7) << "a choice leaves the parameter alone";
    EXPECT_EQ(window.notifications, (std::vector<Notification>{{kButtonId, 15}, kBefore, kAfter}));
}

TEST_F(CTavComboButtonTest, ASubListEntryIsChosenItsHeadingNever) {
    OpenMenu();
    Choose(menu(), 0);
    EXPECT_TRUE(window.notifications.empty());
    PopupMenu& subList = *menu().GetSubMenu(255);
    ASSERT_TRUE(subList.isVisible());
    Choose(subList, 1);
    EXPECT_EQ(window.notifications.front(), (Notification{kButtonId, 1}));
    EXPECT_EQ(button.Text(), QStringLiteral("Right Click"));
    EXPECT_EQ(button.selectedCode(), 1);
    EXPECT_FALSE(menu().isVisible());
}

TEST_F(CTavComboButtonTest, AParentsVetoHoldsForThatOneSelection) {
    window.onNotification = [&](int code, int) {
        if (code == kButtonId) {
            button.SetAcceptSelection(false);
        }
    };
    OpenMenu();
    Choose(menu(), 1);
    EXPECT_EQ(button.Text(), QStringLiteral("Left Click"));
    EXPECT_EQ(button.selectedCode(), 0);
    EXPECT_TRUE(button.acceptSelection());

    window.onNotification = nullptr;
    clock.Advance(1s);
    OpenMenu();
    Choose(menu(), 1);
    EXPECT_EQ(button.Text(), QStringLiteral("Profile switch up"));
    EXPECT_EQ(button.selectedCode(), 9);
}

TEST_F(CTavComboButtonTest, APressThatClosesTheOpenMenuDoesNotReopenIt) {
    OpenMenu();
    // The button's timer notes the open menu within its 100 ms period.
    QTRY_VERIFY_WITH_TIMEOUT(button.menuLastSeenOpen().has_value(), 1000);
    clock.Advance(199ms);

    QTest::mousePress(&button, Qt::LeftButton, {}, kCentre);
    EXPECT_FALSE(menu().isVisible()) << "the press outside the menu closed it";
    EXPECT_TRUE(button.menuGuard());
    QTest::mouseRelease(&button, Qt::LeftButton, {}, kCentre);
    EXPECT_FALSE(menu().isVisible());
    EXPECT_EQ(window.notifications, (std::vector<Notification>{kBefore, kAfter}));

    // 200 ms after the menu was last seen open, a click opens it again.
    clock.Advance(1ms);
    QTest::mouseClick(&button, Qt::LeftButton, {}, kCentre);
    EXPECT_TRUE(menu().isVisible());
}

TEST_F(CTavComboButtonTest, AReleaseOffTheButtonOpensNothing) {
    QTest::mousePress(&button, Qt::LeftButton, {}, kCentre);
    QTest::mouseMove(&window, QPoint(300, 250));
    QTest::mouseRelease(&window, Qt::LeftButton, {}, QPoint(300, 250));
    EXPECT_FALSE(menu().isVisible());
}

TEST(CQELComboButtonTest, OpensItsFlatMenuAndTakesTheChoice) {
    RecordingParent window;
    window.setGeometry(0, 0, 200, 200);
    CQELComboButton button(&window);
    button.setGeometry(10, 10, 57, 20);
    button.SetControlId(1095);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    // Without entries there is no menu, and a click does no more than look pressed.
    QTest::mouseMove(&button, QPoint(5, 5));
    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(button.state(), SkinState::Pressed);
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(button.menu(), nullptr);

    for (int level = 0; level <= 15; ++level) {
        button.AddMenuItem(level, QString::number(level));
    }
    QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(5, 5));
    ASSERT_NE(button.qelMenu(), nullptr);
    ASSERT_TRUE(button.menu()->isVisible());
    EXPECT_EQ(button.menu()->width(), 55);
    EXPECT_EQ(button.menu()->item(0).rect.width(), 54) << "entries span the whole menu";

    PopupMenu& menu = *button.menu();
    QTest::mouseClick(&menu, Qt::LeftButton, {}, menu.item(12).rect.center());
    EXPECT_EQ(window.notifications.front(), (Notification{1095, 12}));
    EXPECT_EQ(button.Text(), QStringLiteral("12"));
    EXPECT_FALSE(menu.isVisible());
}

TEST(SkinnedComboButtonTest, TextIsHighlightedWhenCheckedOrHovered) {
    RecordingParent window;
    window.setGeometry(0, 0, 200, 100);
    CTavComboButton button(&window);
    button.setGeometry(10, 10, 100, 20);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QTest::mouseMove(&window, QPoint(150, 80));
    EXPECT_EQ(button.TextColour(), QColor(Qt::white));
    button.SetChecked(true);
    EXPECT_EQ(button.TextColour(), QColor(0x4D, 0x82, 0xC3));
    button.SetChecked(false);
    QTest::mouseMove(&button, QPoint(5, 5));
    EXPECT_EQ(button.TextColour(), QColor(0x4D, 0x82, 0xC3));
}

}  // namespace
}  // namespace orvex::ui
