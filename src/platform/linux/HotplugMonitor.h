#pragma once

#include <functional>
#include <string>

#include "platform/DeviceMonitor.h"
#include "platform/linux/UdevPtr.h"

namespace orvex::platform {

// Arrival and removal of hidraw nodes, from the udev netlink monitor. The owner watches fd() (a
// socket notifier) and calls ProcessPending when it becomes readable. Not thread-safe.
class HotplugMonitor final : public DeviceMonitor {
  public:
    // Events drained per ProcessPending call, so a storm of events cannot starve the caller; the
    // socket stays readable and the notifier fires again.
    static constexpr int kMaxEventsPerDrain = 64;

    // `subsystem` is "hidraw" in the program; tests watch a subsystem they can trigger.
    explicit HotplugMonitor(std::string subsystem = "hidraw");

    // Opens the monitor; false when the system refuses it. Listens to udevd's processed events
    // when udevd runs, otherwise to the kernel's own (a bare VM or container has no udevd, and
    // udevd's channel would then stay silent).
    bool Start() override;

    // The monitor's socket, -1 before a successful Start.
    int fd() const override;

    // Hands every pending "add" or "remove" to `handler` without blocking; other actions are
    // dropped.
    void ProcessPending(const std::function<void(HotplugEvent)>& handler) override;

  private:
    std::string subsystem_;
    UdevPtr udev_;
    UdevMonitorPtr monitor_;
};

}  // namespace orvex::platform
