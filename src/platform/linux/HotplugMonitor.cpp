#include "platform/linux/HotplugMonitor.h"

#include <libudev.h>

#include <filesystem>
#include <optional>
#include <string_view>
#include <system_error>
#include <utility>

namespace orvex::platform {
namespace {

// udevd creates its control socket at start-up; without it nobody re-broadcasts kernel events.
bool UdevdIsRunning() {
    std::error_code error;
    return std::filesystem::exists("/run/udev/control", error);
}

std::optional<HotplugEvent::Action> ActionOf(udev_device* device) {
    const char* action = udev_device_get_action(device);
    if (action == nullptr) {
        return std::nullopt;
    }
    const std::string_view name(action);
    if (name == "add") {
        return HotplugEvent::Arrival;
    }
    if (name == "remove") {
        return HotplugEvent::Removal;
    }
    return std::nullopt;
}

std::string TextOrEmpty(const char* text) {
    return text != nullptr ? std::string(text) : std::string();
}

}  // namespace

HotplugMonitor::HotplugMonitor(std::string subsystem) : subsystem_(std::move(subsystem)) {}

bool HotplugMonitor::Start() {
    UdevPtr udev(udev_new());
    if (!udev) {
        return false;
    }
    const char* source = UdevdIsRunning() ? "udev" : "kernel";
    UdevMonitorPtr monitor(udev_monitor_new_from_netlink(udev.get(), source));
    if (!monitor ||
        udev_monitor_filter_add_match_subsystem_devtype(monitor.get(), subsystem_.c_str(),
                                                        nullptr) < 0 ||
        udev_monitor_enable_receiving(monitor.get()) < 0) {
        return false;
    }
    udev_ = std::move(udev);
    monitor_ = std::move(monitor);
    return true;
}

int HotplugMonitor::fd() const {
    return monitor_ ? udev_monitor_get_fd(monitor_.get()) : -1;
}

void HotplugMonitor::ProcessPending(const std::function<void(HotplugEvent)>& handler) {
    if (!monitor_) {
        return;
    }
    // The monitor's socket is non-blocking: receive returns null once it is drained.
    for (int i = 0; i < kMaxEventsPerDrain; ++i) {
        const UdevDevicePtr device(udev_monitor_receive_device(monitor_.get()));
        if (!device) {
            return;
        }
        const auto action = ActionOf(device.get());
        if (!action) {
            continue;
        }
        handler(HotplugEvent{*action, TextOrEmpty(udev_device_get_syspath(device.get())),
                             TextOrEmpty(udev_device_get_devnode(device.get()))});
    }
}

std::unique_ptr<DeviceMonitor> MakeSystemDeviceMonitor() {
    return std::make_unique<HotplugMonitor>();
}

}  // namespace orvex::platform
