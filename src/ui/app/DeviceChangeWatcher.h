#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <chrono>
#include <functional>
#include <memory>

#include "core/device/HidTransport.h"
#include "platform/DeviceMonitor.h"

class QFileSystemWatcher;
class QSocketNotifier;

namespace orvex::ui {

// Tells the window when the mouse is plugged in or pulled out. With the real mouse it listens to
// the system's hidraw arrivals and removals and keeps those whose device passes the mouse's name
// test. With a virtual mouse kept in a state file that other programs change, it watches the file
// and reports each change of the mouse's presence.
class DeviceChangeWatcher : public QObject {
    Q_OBJECT

  public:
    using PresenceProbe = std::function<bool()>;

    // File-change notices can be lost (an editor or a rename on some file systems drops the
    // watch), so the file is also looked at this often.
    static constexpr std::chrono::milliseconds kStateFilePoll{500};

    explicit DeviceChangeWatcher(QObject* parent = nullptr);
    ~DeviceChangeWatcher() override;

    // Starts listening to the system's hot-plug events; false when the system refuses.
    bool WatchHotplug(std::unique_ptr<platform::DeviceMonitor> monitor);

    // Watches `stateFile`; whenever it may have changed, `mousePresent` says whether the mouse is
    // plugged in, and a change from the last answer is reported. The first answer is taken as it
    // stands, without a report.
    void WatchStateFile(const QString& stateFile, PresenceProbe mousePresent,
                        std::chrono::milliseconds pollInterval = kStateFilePoll);

    // Whether `transport` lists the mouse's command interface: the presence probe for a virtual
    // mouse, which leaves the listing when its state says it is unplugged.
    static bool TransportListsMouse(HidTransport& transport);

    // Reports one system event when its device is the mouse.
    void HandleHotplugEvent(const platform::HotplugEvent& event);

  signals:
    void Arrived();
    void Removed();

  private:
    void DrainHotplug();
    void CheckPresence();
    void RewatchStateFile();

    std::unique_ptr<platform::DeviceMonitor> monitor_;
    QSocketNotifier* hotplugNotifier_ = nullptr;

    QString stateFile_;
    PresenceProbe mousePresent_;
    bool lastPresent_ = false;
    QFileSystemWatcher* fileWatcher_ = nullptr;
    QTimer poll_;
};

}  // namespace orvex::ui
