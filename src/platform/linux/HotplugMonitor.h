#pragma once

#include <functional>
#include <string>

#include "platform/linux/UdevPtr.h"

namespace orvex::platform {

struct HotplugEvent {
    enum Action { Arrival, Removal };

    Action action = Arrival;
    std::string sysfsPath;  // e.g. /sys/devices/.../0003:2A3C:3B19.0004/hidraw/hidraw3
    std::string devnode;    // e.g. /dev/hidraw3; empty when the event named none
};

// Arrival and removal of hidraw nodes, from the udev netlink monitor. The owner watches fd() (a
// socket notifier) and calls ProcessPending when it becomes readable. Not thread-safe.
class HotplugMonitor {
  public:
    // Events drained per ProcessPending call, so a storm of events cannot starve the caller; the
    // socket stays readable and the notifier fires again.
    static constexpr int kMaxEventsPerDrain = 64;

    // `subsystem` is "hidraw" in the program; tests watch a subsystem they can trigger.
    explicit HotplugMonitor(std::string subsystem = "hidraw");

    // Opens the monitor; false when the system refuses it. Listens to udevd's processed events
    // when udevd runs, otherwise to the kernel's own (a bare VM or container has no udevd, and
    // udevd's channel would then stay silent).
    bool Start();

    // The monitor's socket, -1 before a successful Start.
    int fd() const;

    // Hands every pending "add" or "remove" to `handler` without blocking; other actions are
    // dropped.
    void ProcessPending(const std::function<void(HotplugEvent)>& handler);

  private:
    std::string subsystem_;
    UdevPtr udev_;
    UdevMonitorPtr monitor_;
};

}  // namespace orvex::platform
