#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/device/HidTransport.h"
#include "platform/linux/HidIds.h"

namespace orvex::platform {

// What sysfs tells every user about a hidraw node, without opening it.
struct SysfsHidrawNode {
    std::string name;                             // "hidraw3"; its node is /dev/hidraw3
    std::optional<HidIds> ids;                    // HID_ID of the hid device above it
    std::optional<std::vector<HidUsage>> usages;  // its top-level collections; none: unreadable
    std::string deviceNumber;                     // "major:minor", as udev's database names it
};

// "<root>/sys/class/hidraw": it exists while the kernel has hidraw support and its hid core runs.
std::filesystem::path HidrawClassFolder(const std::filesystem::path& root);

// Every node of that folder (at most a few hundred), sorted by name. `root` is "/" but for tests
// and chroots.
std::vector<SysfsHidrawNode> ListSysfsHidrawNodes(const std::filesystem::path& root);

}  // namespace orvex::platform
