#pragma once

#include <functional>
#include <memory>
#include <string>

namespace orvex::platform {

struct HotplugEvent {
    enum Action { Arrival, Removal };

    Action action = Arrival;
    std::string sysfsPath;  // e.g. /sys/devices/.../0003:2A3C:3B19.0004/hidraw/hidraw3
    std::string devnode;    // e.g. /dev/hidraw3; empty when the event named none
};

// Tells when HID device nodes come and go. The owner watches fd() for readability (a socket
// notifier in the window) and calls ProcessPending when it is readable. Not thread-safe.
class DeviceMonitor {
  public:
    virtual ~DeviceMonitor() = default;

    // Starts listening; false when the system refuses.
    virtual bool Start() = 0;

    // The descriptor to watch, -1 before a successful Start.
    virtual int fd() const = 0;

    // Hands every pending arrival or removal to `handler` without blocking.
    virtual void ProcessPending(const std::function<void(HotplugEvent)>& handler) = 0;
};

// The system's monitor of HID device nodes (on Linux: hidraw nodes, from udev).
std::unique_ptr<DeviceMonitor> MakeSystemDeviceMonitor();

}  // namespace orvex::platform
