#include "ui/app/TrayIcon.h"

#include <QCursor>

#include "ui/app/AppIcon.h"

namespace orvex::ui {

const QString TrayIcon::kToolTip = QStringLiteral("ORVEX SK Optical Gaming Mouse");

TrayIcon::TrayIcon(QObject* parent) : QObject(parent) {
    icon_.setIcon(AppIcon::Make());
    icon_.setToolTip(kToolTip);
    connect(&icon_, &QSystemTrayIcon::activated, this, &TrayIcon::OnActivated);
}

void TrayIcon::Show() {
    icon_.show();
}

void TrayIcon::Remove() {
    icon_.hide();
}

void TrayIcon::OnActivated(QSystemTrayIcon::ActivationReason reason) {
    switch (reason) {
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
