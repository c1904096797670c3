#include "ui/app/TrayIcon.h"

#include <gtest/gtest.h>

#include <QCursor>
#include <QSignalSpy>

#include "ui/app/AppIcon.h"

namespace orvex::ui {
namespace {

// The X11 tray's single click, which does nothing, is tried under Xvfb with a real tray; here the
// icon has no window on the screen, as with a tray that draws it itself.
TEST(TrayIconTest, ActivationAsksForTheWindowAndTheContextPressForTheMenuAtThePointer) {
    TrayIcon tray;
    EXPECT_EQ(tray.icon().toolTip(), QStringLiteral("ORVEX SK Optical Gaming Mouse"));
    EXPECT_FALSE(tray.icon().icon().isNull());
    QSignalSpy showWindow(&tray, &TrayIcon::ShowWindowRequested);
    QSignalSpy menu(&tray, &TrayIcon::MenuRequested);
    QCursor::setPos(QPoint(300, 200));

    emit tray.icon().activated(QSystemTrayIcon::MiddleClick);
    EXPECT_EQ(showWindow.count() + menu.count(), 0);
    emit tray.icon().activated(QSystemTrayIcon::Trigger);
    EXPECT_EQ(showWindow.count(), 1) << "a StatusNotifier tray's single activation";
    emit tray.icon().activated(QSystemTrayIcon::DoubleClick);
    EXPECT_EQ(showWindow.count(), 2);
    emit tray.icon().activated(QSystemTrayIcon::Context);
    emit tray.icon().activated(QSystemTrayIcon::Context);
    ASSERT_EQ(menu.count(), 2);
    EXPECT_EQ(menu.at(0).at(0).toPoint(), QCursor::pos());
}

TEST(AppIconTest, TheMouseIsDrawnInsideATransparentSquare) {
    const QImage image = AppIcon::Render(64);
    EXPECT_EQ(image.pixelColor(0, 0).alpha(), 0);
    EXPECT_EQ(image.pixelColor(63, 63).alpha(), 0);
    EXPECT_EQ(image.pixelColor(32, 45).alpha(), 255) << "the body is opaque";
}

}  // namespace
}  // namespace orvex::ui
