#include "platform/linux/HidrawTransport.h"

#include <fcntl.h>
#include <libudev.h>

#include <cerrno>
#include <filesystem>
#include <optional>

#include "platform/linux/HidErrno.h"
#include "platform/linux/HidrawDevice.h"
#include "platform/linux/HidrawIoctl.h"
#include "platform/linux/ReportDescriptor.h"
#include "platform/linux/SysfsReportDescriptor.h"
#include "platform/linux/UdevPtr.h"
#include "platform/linux/UniqueFd.h"

namespace orvex::platform {
namespace {

constexpr int kOpenFlags = O_RDWR | O_CLOEXEC | O_NOCTTY;

// The ioctl queries need only read access, which a user may have where writing is refused.
UniqueFd OpenForQueries(const char* devnode) {
    UniqueFd fd(::open(devnode, kOpenFlags));
    if (!fd) {
        fd = UniqueFd(::open(devnode, O_RDONLY | O_CLOEXEC | O_NOCTTY));
    }
    return fd;
}

struct NodeFacts {
    std::optional<HidIds> ids;
    std::optional<std::vector<std::uint8_t>> descriptor;
};

NodeFacts QueryNode(const char* devnode) {
    NodeFacts facts;
    if (const UniqueFd fd = OpenForQueries(devnode)) {
        facts.ids = QueryHidrawIds(fd.get());
        facts.descriptor = QueryReportDescriptor(fd.get());
    }
    return facts;
}

// The hid device above the hidraw node carries the same facts for every reader.
void FillFromSysfs(udev_device* hidraw, NodeFacts& facts) {
    udev_device* hid = udev_device_get_parent_with_subsystem_devtype(hidraw, "hid", nullptr);
    if (hid == nullptr) {
        return;
    }
    if (!facts.ids) {
        if (const char* hidId = udev_device_get_property_value(hid, "HID_ID")) {
            facts.ids = ParseHidId(hidId);
        }
    }
    if (!facts.descriptor) {
        if (const char* syspath = udev_device_get_syspath(hid)) {
            facts.descriptor =
                ReadSysfsReportDescriptor(std::filesystem::path(syspath) / "report_descriptor");
        }
    }
}

std::optional<HidInterfaceInfo> DescribeNode(udev_device* hidraw) {
    const char* devnode = udev_device_get_devnode(hidraw);
    if (devnode == nullptr) {
        return std::nullopt;
    }
    NodeFacts facts = QueryNode(devnode);
    if (!facts.ids || !facts.descriptor) {
        FillFromSysfs(hidraw, facts);
    }
    HidInterfaceInfo info;
    info.path = devnode;
    if (facts.ids) {
        info.vendorId = facts.ids->vendorId;
        info.productId = facts.ids->productId;
    }
    if (facts.descriptor) {
        info.topLevelUsages = ParseTopLevelUsages(*facts.descriptor);
    }
    return info;
}

}  // namespace

std::vector<HidInterfaceInfo> HidrawTransport::ListInterfaces() {
    std::vector<HidInterfaceInfo> interfaces;
    const UdevPtr udev(udev_new());
    if (!udev) {
        return interfaces;
    }
    const UdevEnumeratePtr enumerate(udev_enumerate_new(udev.get()));
    if (!enumerate || udev_enumerate_add_match_subsystem(enumerate.get(), "hidraw") < 0 ||
        udev_enumerate_scan_devices(enumerate.get()) < 0) {
        return interfaces;
    }
    udev_list_entry* entry = nullptr;
    udev_list_entry_foreach(entry, udev_enumerate_get_list_entry(enumerate.get())) {
        const UdevDevicePtr hidraw(
            udev_device_new_from_syspath(udev.get(), udev_list_entry_get_name(entry)));
        if (!hidraw) {
            continue;  // unplugged while we were listing
        }
        if (auto info = DescribeNode(hidraw.get())) {
            interfaces.push_back(std::move(*info));
        }
    }
    return interfaces;
}

std::unique_ptr<HidDevice> HidrawTransport::Open(const std::string& path) {
    UniqueFd fd(::open(path.c_str(), kOpenFlags));
    if (!fd) {
        lastOpenError_ = HidErrorFromErrno(errno);
        return nullptr;
    }
    // Feature-report ioctls on anything but a hidraw node would mean something else entirely.
    if (!QueryHidrawIds(fd.get())) {
        lastOpenError_ = HidErrorFromErrno(errno);
        return nullptr;
    }
    lastOpenError_ = HidError::None;
    return std::make_unique<HidrawDevice>(std::move(fd));
}

}  // namespace orvex::platform
