#include "ui/app/DeviceChangeWatcher.h"

#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QSocketNotifier>
#include <algorithm>

#include "core/device/MouseIdentity.h"

namespace orvex::ui {

DeviceChangeWatcher::DeviceChangeWatcher(QObject* parent) : QObject(parent) {
    connect(&poll_, &QTimer::timeout, this, &DeviceChangeWatcher::CheckPresence);
}

DeviceChangeWatcher::~DeviceChangeWatcher() = default;

bool DeviceChangeWatcher::WatchHotplug(std::unique_ptr<platform::DeviceMonitor> monitor) {
    if (!monitor || !monitor->Start()) {
        return false;
    }
    monitor_ = std::move(monitor);
    delete hotplugNotifier_;
    hotplugNotifier_ = new QSocketNotifier(monitor_->fd(), QSocketNotifier::Read, this);
    connect(hotplugNotifier_, &QSocketNotifier::activated, this,
            &DeviceChangeWatcher::DrainHotplug);
    return true;
}

void DeviceChangeWatcher::DrainHotplug() {
    monitor_->ProcessPending(
        [this](const platform::HotplugEvent& event) { HandleHotplugEvent(event); });
}

bool DeviceChangeWatcher::TransportListsMouse(HidTransport& transport) {
    const auto interfaces = transport.ListInterfaces();
    return std::any_of(interfaces.begin(), interfaces.end(), [](const HidInterfaceInfo& info) {
        return info.vendorId == kOrvexVendorId && info.productId == kOrvexProductId;
    });
}

void DeviceChangeWatcher::HandleHotplugEvent(const platform::HotplugEvent& event) {
    // The mouse's nodes sit below a device named bus:vendor:product.n, "0003:2A3C:3B19.0004".
    if (!IsOrvexDeviceName(event.sysfsPath)) {
        return;
    }
    if (event.action == platform::HotplugEvent::Arrival) {
        emit Arrived();
    } else {
        emit Removed();
    }
}

void DeviceChangeWatcher::WatchStateFile(const QString& stateFile, PresenceProbe mousePresent,
                                         std::chrono::milliseconds pollInterval) {
    stateFile_ = stateFile;
    mousePresent_ = std::move(mousePresent);
    lastPresent_ = mousePresent_();

    delete fileWatcher_;
    fileWatcher_ = new QFileSystemWatcher(this);
    // Saves replace the file by renaming a new one over it, which ends a watch on the file itself;
    // the folder's watch sees the rename.
    fileWatcher_->addPath(QFileInfo(stateFile_).absolutePath());
    RewatchStateFile();
    connect(fileWatcher_, &QFileSystemWatcher::fileChanged, this,
            &DeviceChangeWatcher::CheckPresence);
    connect(fileWatcher_, &QFileSystemWatcher::directoryChanged, this,
            &DeviceChangeWatcher::CheckPresence);

    poll_.start(pollInterval);
}

void DeviceChangeWatcher::RewatchStateFile() {
    if (QFileInfo::exists(stateFile_) && !fileWatcher_->files().contains(stateFile_)) {
        fileWatcher_->addPath(stateFile_);
    }
}

void DeviceChangeWatcher::CheckPresence() {
    RewatchStateFile();
    const bool present = mousePresent_();
    if (present == lastPresent_) {
        return;
    }
    lastPresent_ = present;
    if (present) {
        emit Arrived();
    } else {
        emit Removed();
    }
}

}  // namespace orvex::ui
