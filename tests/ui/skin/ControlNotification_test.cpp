#include <gtest/gtest.h>

#include <QWidget>

#include "ui/skin/CTavImageDialog.h"
#include "ui/skin/NotificationCodes.h"
#include "ui/skin/RecordingParent.h"
#include "ui/skin/SkinnedControl.h"

namespace orvex::ui {
namespace {

using testing::Notification;
using testing::RecordingParent;

class ProbeControl : public QWidget, public SkinnedControl {
  public:
    explicit ProbeControl(QWidget* parent) : QWidget(parent), SkinnedControl(this) {}
    using SkinnedControl::NotifyParent;
    using SkinnedControl::NotifyParentClicked;
    using SkinnedControl::NotifyParentWithCode;
};

// A page that handles nothing itself, as the macro page would for most codes.
class PassivePage : public CTavImageDialog {
  public:
    explicit PassivePage(QWidget* parent) : CTavImageDialog(parent, Qt::Widget) {}
};

TEST(ControlNotificationTest, ReachesTheParentSynchronouslyWithTheControlsIdentifier) {
    RecordingParent parent;
    ProbeControl control(&parent);
    control.SetControlId(1042);
    int seenDuringCall = -1;
    parent.onNotification = [&](int, int) { seenDuringCall = control.controlId(); };

    control.NotifyParent(kEditTextChangedValue);
    control.NotifyParentClicked();
    EXPECT_EQ(parent.notifications, (std::vector<Notification>{{1042, 102}}));
    EXPECT_EQ(seenDuringCall, 1042);
    EXPECT_EQ(parent.clicks, std::vector<int>{1042});
}

TEST(ControlNotificationTest, MenuHideNoticeTravelsUpThroughPagesOtherCodesStop) {
    RecordingParent mainWindow;
    PassivePage outerPage(&mainWindow);
    PassivePage innerPage(&outerPage);
    ProbeControl control(&innerPage);
    control.SetControlId(7);

    control.NotifyParent(5);
    control.NotifyParentWithCode(kMenuHidingCode, kMenuHidingBefore);
    control.NotifyParentWithCode(kMenuHidingCode, kMenuHidingAfter);
    control.NotifyParentClicked();

    EXPECT_EQ(mainWindow.notifications,
              (std::vector<Notification>{{kMenuHidingCode, 1}, {kMenuHidingCode, 0}}));
    EXPECT_TRUE(mainWindow.clicks.empty());
}

// Only pages pass the hide notice on: a plain widget in between stops everything, and the window
// above it hears nothing. A control without a parent sends into the void, harmlessly.
TEST(ControlNotificationTest, ParentThatDoesNotListenStopsEveryNotice) {
    RecordingParent window;
    QWidget plainParent(&window);
    ProbeControl control(&plainParent);
    control.SetControlId(7);
    EXPECT_EQ(NotificationTargetOf(&plainParent), nullptr);

    control.NotifyParent(1);
    control.NotifyParentWithCode(kMenuHidingCode, kMenuHidingBefore);
    control.NotifyParentClicked();
    EXPECT_TRUE(window.notifications.empty());
    EXPECT_TRUE(window.clicks.empty());

    ProbeControl orphan(nullptr);
    orphan.NotifyParent(1);
    orphan.NotifyParentClicked();
}

}  // namespace
}  // namespace orvex::ui
