#include "ui/app/OrvexApplication.h"

#include <QApplication>

#include "ui/app/CTESKDlg.h"
#include "ui/app/SingleInstance.h"
#include "ui/skin/MessageBox.h"

namespace orvex::ui {

OrvexApplication::OrvexApplication(const WindowServices& services, std::filesystem::path configRoot,
                                   SingleInstance& instance, CTESKDlg::PageFactory pageFactory,
                                   QObject* parent)
    : QObject(parent),
      window_(std::make_unique<CTESKDlg>(services, std::move(configRoot), std::move(pageFactory))) {
    CTESKDlg* window = window_.get();
    connect(&instance, &SingleInstance::ShowRequested, window, &CTESKDlg::ShowFromTray);
    connect(&tray_, &TrayIcon::ShowWindowRequested, window, &CTESKDlg::ShowFromTray);
    connect(&tray_, &TrayIcon::MenuRequested, window, &CTESKDlg::OpenTrayMenu);
    connect(&watcher_, &DeviceChangeWatcher::Arrived, window, &CTESKDlg::OnDeviceArrival);
    connect(&watcher_, &DeviceChangeWatcher::Removed, window, &CTESKDlg::OnDeviceRemoval);
    connect(window, &CTESKDlg::ExitRequested, this, &OrvexApplication::Exit);
}

OrvexApplication::~OrvexApplication() = default;

void OrvexApplication::Start(bool showWindow) {
    // OK and Cancel hide the window and message boxes come and go; only "Exit" ends the program.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(window_->windowIcon());
    if (showWindow) {
        window_->ShowFromTray();
    }
    tray_.Show();
}

void OrvexApplication::WatchSystemHotplug(std::unique_ptr<platform::DeviceMonitor> monitor) {
    if (!watcher_.WatchHotplug(std::move(monitor))) {
        MessageBox::Show(window_.get(), QStringLiteral("RegisterDeviceNotification Failed!"));
    }
}

void OrvexApplication::WatchStateFile(const QString& stateFile,
                                      DeviceChangeWatcher::PresenceProbe mousePresent) {
    watcher_.WatchStateFile(stateFile, std::move(mousePresent));
}

void OrvexApplication::Exit() {
    tray_.Remove();
    window_->SaveMacroListOnExit();
    QCoreApplication::quit();
}

}  // namespace orvex::ui
