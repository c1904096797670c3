#include <QSignalSpy>
#include <QTest>
#include <QWindow>

#include "MainWindowRig.h"
#include "ui/app/SlotBar.h"
#include "ui/layout/MainWindowLayout.h"
#include "ui/skin/CTavButton.h"
#include "ui/skin/CTavMenu.h"
#include "ui/skin/MessageBox.h"
#include "ui/skin/NotificationCodes.h"
#include "ui/support/CSupportDlg.h"

namespace orvex::ui::testing {
namespace {

using namespace std::chrono_literals;

TEST_F(MainWindowTest, ThePollFollowsTheMousesProfileOnceAndOnlyWhileTheWindowIsInFront) {
    ProfileRecord third = MakeDefaultProfile();
    third.pointerSpeed = 8;
    WriteSlotFile(3, third);
    MakeWindow();
    ASSERT_TRUE(mouse.link.HasHandle());

    mouse.mouse.state().activeProfile = 2;
    window->PollActiveProfile();
    EXPECT_EQ(window->currentSlot(), 3);
    EXPECT_TRUE(window->slotButton(3)->IsChecked());
    EXPECT_EQ(page(CTESKDlg::kSensorPage).value, 8);
    ASSERT_EQ(pointer.requests.size(), 1u);
    EXPECT_EQ(pointer.requests[0].pointerSpeed, 16);
    EXPECT_EQ(calls.front(), "Save mouse");  // the old slot was written back first

    ForgetHistory();
    window->PollActiveProfile();  // 2 again
    EXPECT_EQ(window->currentSlot(), 3);
    EXPECT_TRUE(calls.empty());
    EXPECT_TRUE(pointer.requests.empty());

    // Hidden in the tray, or behind another window: the mouse is not even asked.
    mouse.mouse.state().activeProfile = 3;
    ForgetHistory();
    window->hide();
    window->PollActiveProfile();
    window->show();
    inFront = false;
    window->PollActiveProfile();
    EXPECT_TRUE(mouse.log().transfers().empty());
    EXPECT_EQ(window->currentSlot(), 3);

    inFront = true;
    window->PollActiveProfile();
    EXPECT_EQ(window->currentSlot(), 4);

    // A failed read changes nothing, and without an open handle nothing is asked.
    mouse.mouse.state().activeProfile = 0;
    mouse.mouse.faults().neverDone = true;
    window->PollActiveProfile();
    EXPECT_EQ(window->currentSlot(), 4);
    mouse.mouse.faults().neverDone = false;
    mouse.link.CloseMouse();
    ForgetHistory();
    window->PollActiveProfile();
    EXPECT_TRUE(mouse.log().transfers().empty());
    EXPECT_EQ(window->currentSlot(), 4);
}

TEST_F(MainWindowTest, ArrivalShowsTheFirmwareVersionAfterTheSettleAndRemovalForgetsTheMouse) {
    MakeWindow();
    EXPECT_EQ(window->firmwareVersionText(), QStringLiteral("1.22"));

    window->OnDeviceRemoval();
    EXPECT_EQ(window->firmwareVersionText(), QStringLiteral("-.--"));
    EXPECT_FALSE(mouse.link.HasHandle());
    EXPECT_FALSE(mouse.link.devicePresent());

    mouse.mouse.state().firmwareVersion = 154;
    window->OnDeviceArrival();
    EXPECT_EQ(window->firmwareVersionText(), QStringLiteral("1.54"));
    ASSERT_FALSE(mouse.waits().empty());
    EXPECT_EQ(mouse.waits().front(), 900ms);
    EXPECT_TRUE(mouse.link.HasHandle());

    // Already open: no new search, the version is read again; a failed read shows "-.--".
    mouse.mouse.faults().neverDone = true;
    window->OnDeviceArrival();
    EXPECT_EQ(window->firmwareVersionText(), QStringLiteral("-.--"));
    mouse.mouse.faults().neverDone = false;

    // A mouse that cannot be opened leaves the text as it was.
    window->OnDeviceArrival();
    ASSERT_EQ(window->firmwareVersionText(), QStringLiteral("1.54"));
    mouse.link.CloseMouse();
    mouse.link.ClearDevicePresent();
    mouse.mouse.state().unplugged = true;
    window->OnDeviceArrival();
    EXPECT_EQ(window->firmwareVersionText(), QStringLiteral("1.54"));
    EXPECT_TRUE(MessageBox::TakeShownTexts().isEmpty());
}

TEST_F(MainWindowTest, TheTrayMenuOpensAtThePointerAndShowsTheWindowOrAsksToExit) {
    MakeWindow();
    window->hide();
    const QPoint cursor(700, 500);

    window->OpenTrayMenu(cursor);
    CTavMenu* menu = window->trayMenu();
    ASSERT_NE(menu, nullptr);
    ASSERT_TRUE(menu->isVisible());
    EXPECT_EQ(menu->geometry().topLeft() + QPoint(menu->width(), menu->height()), cursor);
    ASSERT_EQ(menu->itemCount(), 2);
    EXPECT_EQ(menu->item(0).text, QStringLiteral("Config Mouse"));
    EXPECT_EQ(menu->item(1).text, QStringLiteral("Exit"));

    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->item(0).rect.center());
    EXPECT_FALSE(menu->isVisible());
    EXPECT_TRUE(window->isVisible());

    QSignalSpy exits(window.get(), &CTESKDlg::ExitRequested);
    window->OpenTrayMenu(cursor + QPoint(10, 0));
    EXPECT_EQ(window->trayMenu(), menu);
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->item(1).rect.center());
    EXPECT_EQ(exits.count(), 1);
    EXPECT_FALSE(menu->isVisible());
}

TEST_F(MainWindowTest, WithoutATrayOkAndCancelMinimiseAndClosingTheWindowAsksToExit) {
    MakeWindow();
    bool inTray = false;
    window->SetTrayTest([&] { return inTray; });
    QSignalSpy exits(window.get(), &CTESKDlg::ExitRequested);

    for (const int id : {layout::mainwindow::kOkId, layout::mainwindow::kCancelId}) {
        window->ShowFromTray();
        ClickControl(window->controlButton(id));
        EXPECT_TRUE(window->isVisible()) << id << ": still on the task bar";
        EXPECT_TRUE(window->isMinimized()) << id;
    }
    EXPECT_EQ(exits.count(), 0);

    window->close();
    EXPECT_EQ(exits.count(), 1);

    // Once a tray is there, both go back to hiding the window.
    inTray = true;
    window->ShowFromTray();
    window->close();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(exits.count(), 1);
}

TEST_F(MainWindowTest, AMenuHidingMakesTheWindowTopMostInPlace) {
    MakeWindow();
    const WId before = window->winId();

    window->ControlNotification(kMenuHidingCode, kMenuHidingBefore);
    EXPECT_TRUE(window->topMost());
    EXPECT_TRUE(window->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
    window->ControlNotification(kMenuHidingCode, kMenuHidingAfter);
    EXPECT_FALSE(window->topMost());
    EXPECT_FALSE(window->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));

    // Through a real menu: a choice hides it, and the window ends as it was.
    ChooseSlotMenuItem(2, SlotBar::kDisableEnable);
    EXPECT_FALSE(window->topMost());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->winId(), before);
}

}  // namespace
}  // namespace orvex::ui::testing
