#include "platform/linux/HidrawIoctl.h"

#include <linux/hidraw.h>
#include <sys/ioctl.h>

#include <cerrno>

namespace orvex::platform {

std::optional<HidIds> QueryHidrawIds(int fd) {
    hidraw_devinfo info{};
    if (::ioctl(fd, HIDIOCGRAWINFO, &info) < 0) {
        return std::nullopt;
    }
    // The kernel hands the 16-bit ids over as signed shorts.
    return HidIds{static_cast<std::uint16_t>(info.bustype), static_cast<std::uint16_t>(info.vendor),
                  static_cast<std::uint16_t>(info.product)};
}

std::optional<std::vector<std::uint8_t>> QueryReportDescriptor(int fd) {
    int size = 0;
    if (::ioctl(fd, HIDIOCGRDESCSIZE, &size) < 0) {
        return std::nullopt;
    }
    if (size < 0 || size > HID_MAX_DESCRIPTOR_SIZE) {
        errno = EINVAL;
        return std::nullopt;
    }
    hidraw_report_descriptor descriptor{};
    descriptor.size = static_cast<__u32>(size);
    if (::ioctl(fd, HIDIOCGRDESC, &descriptor) < 0) {
        return std::nullopt;
    }
    return std::vector<std::uint8_t>(descriptor.value, descriptor.value + descriptor.size);
}

}  // namespace orvex::platform
