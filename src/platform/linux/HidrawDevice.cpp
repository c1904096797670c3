#include "platform/linux/HidrawDevice.h"

#include <fcntl.h>
#include <linux/hidraw.h>
#include <sys/file.h>
#include <sys/ioctl.h>

#include <algorithm>
#include <cerrno>
#include <utility>

#include "platform/linux/HidErrno.h"

namespace orvex::platform {
namespace {

bool IsTransferableSize(std::size_t size) {
    return size > 0 && size <= HidrawDevice::kMaxReportSize;
}

struct flock WaitingSign(short type) {
    struct flock sign {};
    sign.l_type = type;
    sign.l_whence = SEEK_SET;
    sign.l_start = 0;
    sign.l_len = 1;
    return sign;
}

}  // namespace

HidrawDevice::HidrawDevice(UniqueFd fd) : fd_(std::move(fd)) {}

HidError HidrawDevice::SetFeature(std::span<const std::uint8_t> report) {
    if (!IsTransferableSize(report.size())) {
        return HidError::InvalidParameter;
    }
    // HIDIOCSFEATURE only reads the buffer; the ioctl signature just isn't const.
    const int sent =
        ::ioctl(fd_.get(), HIDIOCSFEATURE(report.size()), const_cast<std::uint8_t*>(report.data()));
    if (sent < 0) {
        return HidErrorFromErrno(errno);
    }
    // A short control transfer left the mouse with half a report: not a success.
    if (static_cast<std::size_t>(sent) < report.size()) {
        return HidError::WriteFault;
    }
    return HidError::None;
}

HidError HidrawDevice::GetFeature(std::span<std::uint8_t> report) {
    if (!IsTransferableSize(report.size())) {
        return HidError::InvalidParameter;
    }
    const int received = ::ioctl(fd_.get(), HIDIOCGFEATURE(report.size()), report.data());
    if (received < 0) {
        return HidErrorFromErrno(errno);
    }
    const std::size_t filled = std::min(static_cast<std::size_t>(received), report.size());
    std::fill(report.begin() + static_cast<std::ptrdiff_t>(filled), report.end(), std::uint8_t{0});
    return HidError::None;
}

bool HidrawDevice::TryLockExchange() {
    int result = 0;
    do {
        result = flock(fd_.get(), LOCK_EX | LOCK_NB);
    } while (result != 0 && errno == EINTR);
    // Only another holder makes the exchange wait; a node that cannot be locked at all is talked
    // to as before.
    return result == 0 || errno != EWOULDBLOCK;
}

void HidrawDevice::UnlockExchange() {
    // Cannot fail on a lock this descriptor holds; closing the node would release it anyway.
    static_cast<void>(flock(fd_.get(), LOCK_UN));
}

void HidrawDevice::SetWaitingForExchange(bool waiting) {
    struct flock sign = WaitingSign(waiting ? F_RDLCK : F_UNLCK);
    // Only courtesy rides on the sign: where it cannot be set, the waiter still gets the mouse
    // once the holder's uploads end.
    static_cast<void>(::fcntl(fd_.get(), F_OFD_SETLK, &sign));
}

bool HidrawDevice::OthersWaitingForExchange() {
    struct flock probe = WaitingSign(F_WRLCK);
    return ::fcntl(fd_.get(), F_OFD_GETLK, &probe) == 0 && probe.l_type != F_UNLCK;
}

}  // namespace orvex::platform
