#include "cli/MonitorCli.h"

#include <poll.h>

#include <cerrno>
#include <optional>
#include <string>

#include "cli/ExitCode.h"
#include "core/device/MouseIdentity.h"
#include "platform/linux/HotplugMonitor.h"

namespace orvex::cli {
namespace {

using SteadyClock = std::chrono::steady_clock;

// The poll timeout until `deadline`, or -1 (forever) without one.
int PollTimeout(const std::optional<SteadyClock::time_point>& deadline) {
    if (!deadline) {
        return -1;
    }
    const auto left =
        std::chrono::ceil<std::chrono::milliseconds>(*deadline - SteadyClock::now()).count();
    return left > 0 ? static_cast<int>(left) : 0;
}

}  // namespace

void WatchMouseHotplug(const MonitorOptions& options, std::ostream& out, std::ostream& status) {
    platform::HotplugMonitor monitor;
    if (!monitor.Start()) {
        throw CliError(ExitCode::DeviceFailed, "cannot watch for devices being plugged in");
    }
    status << "monitor: listening" << std::endl;

    std::optional<SteadyClock::time_point> deadline;
    if (options.timeout.count() > 0) {
        deadline = SteadyClock::now() + options.timeout;
    }
    int seen = 0;
    const auto report = [&](const platform::HotplugEvent& event) {
        // The name test runs on the sysfs path, which holds the hid device's bus:vendor:product.
        if (options.count > 0 && seen >= options.count) {
            return;
        }
        if (!IsOrvexDeviceName(event.sysfsPath)) {
            return;
        }
        const std::string& path = event.devnode.empty() ? event.sysfsPath : event.devnode;
        out << (event.action == platform::HotplugEvent::Arrival ? "arrival " : "removal ") << path
            << std::endl;
        ++seen;
    };
    while (options.count == 0 || seen < options.count) {
        const int timeout = PollTimeout(deadline);
        if (deadline && timeout == 0) {
            return;
        }
        pollfd watched{monitor.fd(), POLLIN, 0};
        const int ready = ::poll(&watched, 1, timeout);
        if (ready < 0 && errno != EINTR) {
            throw CliError(ExitCode::DeviceFailed, "watching for devices failed");
        }
        if (ready > 0) {
            monitor.ProcessPending(report);
        }
    }
}

}  // namespace orvex::cli
