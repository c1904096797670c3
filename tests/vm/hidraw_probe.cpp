// orvex_hidraw_probe NODE get|set REPORT_ID LENGTH: one feature-report ioctl on a hidraw node,
// printing "ok BYTES" or "error ERRNO_NAME HID_ERROR_CLASS", so the VM test sees what the kernel
// really returns and which class the backend makes of it.

#include <fcntl.h>
#include <linux/hidraw.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "platform/linux/HidErrno.h"
#include "platform/linux/UniqueFd.h"

namespace {

std::string ErrnoName(int error) {
    switch (error) {
        case EIO:
            return "EIO";
        case EPIPE:
            return "EPIPE";
        case ETIMEDOUT:
            return "ETIMEDOUT";
        case ENODEV:
            return "ENODEV";
        case EINVAL:
            return "EINVAL";
        case EBUSY:
            return "EBUSY";
        case EAGAIN:
            return "EAGAIN";
        default:
            return "errno" + std::to_string(error);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 5 || (std::string(argv[2]) != "get" && std::string(argv[2]) != "set")) {
        std::cerr << "usage: orvex_hidraw_probe NODE get|set REPORT_ID LENGTH\n";
        return 1;
    }
    const bool set = std::string(argv[2]) == "set";
    const auto reportId = static_cast<std::uint8_t>(std::strtoul(argv[3], nullptr, 0));
    const auto length = static_cast<std::size_t>(std::strtoul(argv[4], nullptr, 0));
    if (length == 0 || length > 4096) {
        std::cerr << "orvex_hidraw_probe: LENGTH must be 1 to 4096\n";
        return 1;
    }
    const orvex::platform::UniqueFd fd(::open(argv[1], O_RDWR | O_CLOEXEC));
    if (!fd) {
        std::cerr << "orvex_hidraw_probe: " << argv[1] << ": " << std::strerror(errno) << '\n';
        return 1;
    }
    std::vector<std::uint8_t> report(length, 0);
    report[0] = reportId;
    const int result = set ? ::ioctl(fd.get(), HIDIOCSFEATURE(length), report.data())
                           : ::ioctl(fd.get(), HIDIOCGFEATURE(length), report.data());
    if (result < 0) {
        const int error = errno;
        std::cout << "error " << ErrnoName(error) << ' '
                  << orvex::HidErrorName(orvex::platform::HidErrorFromErrno(error)) << '\n';
        return 0;
    }
    std::cout << "ok " << result << '\n';
    return 0;
}
