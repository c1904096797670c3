#include "ui/app/OrvexApplication.h"

#include <QApplication>
#include <QSessionManager>
#include <QSocketNotifier>
#include <string>

#include "core/log/Log.h"
#include "ui/app/CTESKDlg.h"
#include "ui/app/SingleInstance.h"
#include "ui/skin/MessageBox.h"

namespace orvex::ui {

OrvexApplication::OrvexApplication(const WindowServices& services, std::filesystem::path configRoot,
                                   SingleInstance& instance, CTESKDlg::PageFactory pageFactory,
                                   QObject* parent)
    : QObject(parent),
      log_(services.log),
      window_(std::make_unique<CTESKDlg>(services, std::move(configRoot), std::move(pageFactory))) {
    CTESKDlg* window = window_.get();
    connect(&instance, &SingleInstance::ShowRequested, window, &CTESKDlg::ShowFromTray);
    connect(&tray_, &TrayIcon::ShowWindowRequested, window, &CTESKDlg::ShowFromTray);
    connect(&tray_, &TrayIcon::MenuRequested, window, &CTESKDlg::OpenTrayMenu);
    connect(&watcher_, &DeviceChangeWatcher::Arrived, window, &CTESKDlg::OnDeviceArrival);
    connect(&watcher_, &DeviceChangeWatcher::Removed, window, &CTESKDlg::OnDeviceRemoval);
    connect(window, &CTESKDlg::ExitRequested, this, &OrvexApplication::Exit);
    window->SetTrayTest([this] { return tray_.IsInTray(); });

    // The desktop's session ending: it asks the program to keep its data, then ends the event
    // loop itself (or ends the program some other way, which a signal below covers).
    if (auto* gui = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        connect(gui, &QGuiApplication::commitDataRequest, this,
                [this](QSessionManager&) { window_->SaveMacroListOnExit(); });
        connect(gui, &QCoreApplication::aboutToQuit, this, &OrvexApplication::Finish);
    }
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

void OrvexApplication::EndOnTerminationRequests(
    std::unique_ptr<platform::TerminationRequests> requests) {
    if (!requests) {
        LogLine(&log_, "app",
                "termination signals cannot be caught: they end the program without saving");
        return;
    }
    terminationRequests_ = std::move(requests);
    terminationNotifier_ =
        std::make_unique<QSocketNotifier>(terminationRequests_->fd(), QSocketNotifier::Read);
    connect(terminationNotifier_.get(), &QSocketNotifier::activated, this,
            &OrvexApplication::OnTerminationRequest);
}

void OrvexApplication::OnTerminationRequest() {
    const int signal = terminationRequests_->TakePending();
    if (signal == 0) {
        return;
    }
    LogLine(&log_, "app", "signal " + std::to_string(signal) + ": ending as Exit does");
    Exit();
}

void OrvexApplication::Exit() {
    Finish();
    QCoreApplication::quit();
}

void OrvexApplication::Finish() {
    if (finished_) {
        return;
    }
    finished_ = true;
    tray_.Remove();
    window_->SaveMacroListOnExit();
}

}  // namespace orvex::ui
