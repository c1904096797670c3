#include "platform/linux/HotplugMonitor.h"

#include <gtest/gtest.h>
#include <poll.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace orvex::platform {
namespace {

std::vector<HotplugEvent> Drain(HotplugMonitor& monitor) {
    std::vector<HotplugEvent> events;
    monitor.ProcessPending([&](HotplugEvent event) { events.push_back(std::move(event)); });
    return events;
}

bool WaitReadable(int fd, int milliseconds) {
    pollfd pfd{fd, POLLIN, 0};
    return ::poll(&pfd, 1, milliseconds) == 1;
}

// Asks the kernel to announce /dev/null again with the given action.
bool AnnounceDevNull(const std::string& action) {
    std::ofstream uevent("/sys/class/mem/null/uevent");
    uevent << action << std::flush;
    return static_cast<bool>(uevent);
}

TEST(HotplugMonitorTest, HasNoSocketBeforeStartAndDrainsNothingWhenIdle) {
    HotplugMonitor monitor;
    EXPECT_EQ(monitor.fd(), -1);
    EXPECT_TRUE(Drain(monitor).empty());

    if (!monitor.Start()) {
        GTEST_SKIP() << "netlink monitor refused here";
    }
    EXPECT_GE(monitor.fd(), 0);
    EXPECT_TRUE(Drain(monitor).empty());  // returns at once instead of blocking
}

// A real kernel event through the real socket. Synthetic uevents need root, and with udevd
// running they would make it re-run its rules on /dev/null, so this runs only where the monitor
// listens to the kernel directly.
TEST(HotplugMonitorTest, ReportsAddAndRemoveButNotOtherActions) {
    if (::geteuid() != 0 || std::filesystem::exists("/run/udev/control")) {
        GTEST_SKIP() << "needs root on a machine without udevd";
    }
    HotplugMonitor monitor("mem");
    ASSERT_TRUE(monitor.Start());

    ASSERT_TRUE(AnnounceDevNull("change"));
    ASSERT_TRUE(AnnounceDevNull("add"));
    ASSERT_TRUE(AnnounceDevNull("remove"));
    ASSERT_TRUE(WaitReadable(monitor.fd(), 1000));

    std::vector<HotplugEvent> events = Drain(monitor);
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0].action, HotplugEvent::Arrival);
    EXPECT_EQ(events[1].action, HotplugEvent::Removal);
    for (const HotplugEvent& event : events) {
        EXPECT_EQ(event.sysfsPath, "/sys/devices/virtual/mem/null");
        EXPECT_EQ(event.devnode, "/dev/null");
    }
    EXPECT_TRUE(Drain(monitor).empty());
}

}  // namespace
}  // namespace orvex::platform
