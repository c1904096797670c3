#include <QCloseEvent>
#include <QMouseEvent>
#include <QTimer>
#include <QWindow>

#include "core/device/DeviceCommands.h"
#include "core/log/Log.h"
#include "ui/app/CTESKDlg.h"
#include "ui/app/ProfilePoll.h"
#include "ui/app/WindowDrag.h"
#include "ui/pages/ProfilePage.h"
#include "ui/skin/CTavMenu.h"
#include "ui/skin/MenuIdAllocator.h"
#include "ui/skin/WindowSystem.h"
#include "ui/support/CSupportDlg.h"

// The window's life as a desktop program: the tray menu, hot-plug, the profile poll, staying on
// top while a menu hides, and moving and closing the frameless window.
namespace orvex::ui {
namespace {

constexpr QRect kSmallMenuRect(0, 0, 50, 10);
constexpr int kTrayMenuWidth = 120;

// The tray menu is made once, so an allocator of its own cannot repeat an id.
int TrayMenuId(const Clock& clock) {
    return MenuIdAllocator(clock).Next();
}

}  // namespace

void CTESKDlg::SetTopMost(bool topMost) {
    // A Wayland compositor stacks its clients' windows itself; a menu, placed as a pop-up of the
    // window, is shown above it anyway.
    if (!WindowSystemStacksOnRequest()) {
        return;
    }
    topMost_ = topMost;
    // Changing a shown widget's window flags recreates its window, which flickers; the window's
    // own flags change in place.
    if (QWindow* handle = windowHandle()) {
        handle->setFlag(Qt::WindowStaysOnTopHint, topMost);
    } else {
        setWindowFlag(Qt::WindowStaysOnTopHint, topMost);
    }
}

void CTESKDlg::ShowFromTray() {
    show();
    raise();
    activateWindow();
}

void CTESKDlg::OpenTrayMenu(const QPoint& globalPos) {
    if (trayMenu_ == nullptr) {
        trayMenu_ = new CTavMenu(this, TrayMenuId(services_.clock()), kSmallMenuRect);
        trayMenu_->AddItem(kTrayConfigMouseItem, QStringLiteral("Config Mouse"));
        trayMenu_->AddItem(kTrayExitItem, QStringLiteral("Exit"));
        trayMenu_->resize(kTrayMenuWidth, trayMenu_->height());
        trayMenu_->setWindowFlag(Qt::WindowStaysOnTopHint, true);
        // Opened from the desktop's panel while another program is usually the active one, whose
        // windows the program never sees a press in.
        trayMenu_->SetHoldsPointer(true);
    }
    trayMenu_->Popup(PopupMenu::kPlacementBottomRight, globalPos.x(), globalPos.y());
}

void CTESKDlg::OnTrayMenuItem(int item) {
    if (item == kTrayConfigMouseItem) {
        ShowFromTray();
    } else if (item == kTrayExitItem) {
        emit ExitRequested();
    }
}

void CTESKDlg::OnDeviceArrival() {
    DeviceLink& link = services_.link;
    link.clock().Sleep(kArrivalSettleTime);
    if (!link.EnsureOpen()) {
        return;
    }
    const DeviceReply<std::uint16_t> version = ReadFirmwareVersion(link);
    if (!version.ok()) {
        LogLine(&services_.log, "window", "the mouse plugged in did not give its firmware version");
    }
    supportPage_->SetFirmwareVersionText(QString::fromStdString(
        version.ok() ? FormatFirmwareVersion(version.value) : kUnknownFirmwareVersion));
}

void CTESKDlg::OnDeviceRemoval() {
    DeviceLink& link = services_.link;
    link.ClearDevicePresent();
    link.CloseMouse();
    supportPage_->SetFirmwareVersionText(QString::fromLatin1(kUnknownFirmwareVersion));
}

bool CTESKDlg::IsInFront() const {
    if (foregroundTest_) {
        return foregroundTest_(*this);
    }
    return isVisible() && isActiveWindow();
}

void CTESKDlg::PollActiveProfile() {
    DeviceLink& link = services_.link;
    if (!link.HasHandle() || !IsInFront() || applyBusy_) {
        return;
    }
    if (const auto slot = poll_->Tick(link, records_)) {
        SelectSlot(*slot);
        ApplyPointerSettings();
    }
}

void CTESKDlg::SaveMacroListOnExit() {
    profilePage(kMacroPage)->SaveMacroList();
}

void CTESKDlg::PutAway() {
    if (!trayTest_ || trayTest_()) {
        hide();
        return;
    }
    // A hidden window without a tray icon could only be brought back by starting the program
    // again; minimised, it stays on the task bar.
    showMinimized();
}

void CTESKDlg::paintEvent(QPaintEvent* event) {
    CTavImageDialog::paintEvent(event);
    if (firmwareVersionAsked_) {
        return;
    }
    firmwareVersionAsked_ = true;
    // Queued, so that this frame reaches the screen before the mouse is asked.
    QTimer::singleShot(0, this, [this] { supportPage_->ShowFirmwareVersionOfMouse(); });
}

void CTESKDlg::closeEvent(QCloseEvent* event) {
    event->accept();
    // The desktop's close command does what Cancel does: the program lives on in the tray. With
    // no tray it would live on unseen, so closing the window ends the program as "Exit" does.
    if (!trayTest_ || trayTest_()) {
        hide();
    } else {
        emit ExitRequested();
    }
}

void CTESKDlg::mousePressEvent(QMouseEvent* event) {
    // Presses on a page or a control that passed them up do not move the window.
    if (childAt(event->position().toPoint()) == nullptr && drag_->Press(event)) {
        event->accept();
        return;
    }
    CTavImageDialog::mousePressEvent(event);
}

void CTESKDlg::mouseMoveEvent(QMouseEvent* event) {
    drag_->Move(event);
    CTavImageDialog::mouseMoveEvent(event);
}

void CTESKDlg::mouseReleaseEvent(QMouseEvent* event) {
    drag_->Release(event);
    CTavImageDialog::mouseReleaseEvent(event);
}

}  // namespace orvex::ui
