#pragma once

#include <QObject>
#include <QString>
#include <filesystem>
#include <memory>

#include "platform/DeviceMonitor.h"
#include "platform/TerminationRequests.h"
#include "ui/app/CTESKDlg.h"
#include "ui/app/DeviceChangeWatcher.h"
#include "ui/app/TrayIcon.h"
#include "ui/services/WindowServices.h"

class QSocketNotifier;

namespace orvex::ui {

class SingleInstance;

// The running program: the main window, its tray icon, the watcher of mouse arrivals and
// removals and the instance that later starts ask to show the window.
//
// However the program ends, it ends as "Exit" does (tray icon removed, macro list saved): by
// "Exit", by closing the window where there is no tray, by the desktop's session ending, or by
// a termination signal.
class OrvexApplication : public QObject {
    Q_OBJECT

  public:
    // `services`, `configRoot` and `pageFactory` go to the main window (an empty root means the
    // user's own, no factory the program's pages); `instance` is the claimed instance whose show
    // requests bring the window up.
    OrvexApplication(const WindowServices& services, std::filesystem::path configRoot,
                     SingleInstance& instance, CTESKDlg::PageFactory pageFactory = {},
                     QObject* parent = nullptr);
    ~OrvexApplication() override;

    // Puts the icon in the tray and shows the window, unless the program starts hidden.
    void Start(bool showWindow = true);

    // Follows the system's hot-plug events. When the system will not tell, the user is shown
    // "RegisterDeviceNotification Failed!" and the program runs on without them.
    void WatchSystemHotplug(std::unique_ptr<platform::DeviceMonitor> monitor);

    // Follows a virtual mouse kept in a state file that other programs plug and unplug.
    void WatchStateFile(const QString& stateFile, DeviceChangeWatcher::PresenceProbe mousePresent);

    // Ends the program as "Exit" does when the system asks it to end (on Linux a termination
    // signal). Null `requests` (they could not be caught) leaves the system's default, which
    // ends the program at once.
    void EndOnTerminationRequests(std::unique_ptr<platform::TerminationRequests> requests);

    CTESKDlg& window() { return *window_; }
    TrayIcon& tray() { return tray_; }
    DeviceChangeWatcher& deviceWatcher() { return watcher_; }

  private:
    // "Exit" in the tray menu: the icon goes first, then the macro list is saved, then the
    // event loop ends and the window with it.
    void Exit();
    // The first two steps of Exit, done once, whichever way the program ends.
    void Finish();
    void OnTerminationRequest();

    Log& log_;
    std::unique_ptr<CTESKDlg> window_;
    TrayIcon tray_;
    DeviceChangeWatcher watcher_;
    std::unique_ptr<platform::TerminationRequests> terminationRequests_;
    std::unique_ptr<QSocketNotifier> terminationNotifier_;
    bool finished_ = false;
};

}  // namespace orvex::ui
