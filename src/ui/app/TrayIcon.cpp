#include "ui/app/TrayIcon.h"

#include <QCursor>

#include "ui/app/AppIcon.h"
#include "ui/skin/WindowSystem.h"

namespace orvex::ui {

const QString TrayIcon::kToolTip = QStringLiteral("ORVEX SK Optical Gaming Mouse");

TrayIcon::TrayIcon(QObject* parent) : QObject(parent) {
    icon_.setIcon(AppIcon::Make());
    icon_.setToolTip(kToolTip);
    connect(&icon_, &QSystemTrayIcon::activated, this, &TrayIcon::OnActivated);
}

void TrayIcon::Show() {
    // An X11 tray may start after the program and takes the icon then; elsewhere only a tray
    // that is already there can (and Qt would complain about the X11 tray it cannot reach).
    if (WindowSystemKnowsWindowPositions() || QSystemTrayIcon::isSystemTrayAvailable()) {
        icon_.show();
    }
}

void TrayIcon::Remove() {
    icon_.hide();
}

bool TrayIcon::IsInTray() const {
    return icon_.isVisible() && QSystemTrayIcon::isSystemTrayAvailable();
}

bool TrayIcon::DrawnByTheTray() const {
    return icon_.geometry().isEmpty();
}

void TrayIcon::OnActivated(QSystemTrayIcon::ActivationReason reason) {
    switch (reason) {
        case QSystemTrayIcon::Trigger:
            // An X11 tray reports a single click before a double click; only a double click
            // brings the window there.
            if (DrawnByTheTray()) {
                emit ShowWindowRequested();
            }
            break;
        case QSystemTrayIcon::DoubleClick:
            emit ShowWindowRequested();
            break;
        case QSystemTrayIcon::Context:
            // The skinned menu opens where the pointer is, its bottom-right corner at the pointer.
            emit MenuRequested(QCursor::pos());
            break;
        default:
            break;
    }
}

}  // namespace orvex::ui
