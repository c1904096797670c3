#pragma once

#include <chrono>
#include <ostream>

namespace orvex::cli {

struct MonitorOptions {
    int count = 0;                         // stop after this many events; 0: no limit
    std::chrono::milliseconds timeout{0};  // stop after this long; 0: no limit
};

// Prints "arrival PATH" and "removal PATH" for every hidraw node of the mouse that comes or goes
// (PATH is the node, /dev/hidrawN), until the count or the timeout is reached. Reports on
// `status` when it listens, so a caller can start plugging. Throws CliError when the system
// refuses the monitor.
void WatchMouseHotplug(const MonitorOptions& options, std::ostream& out, std::ostream& status);

}  // namespace orvex::cli
