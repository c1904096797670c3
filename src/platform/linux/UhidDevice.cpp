#include "platform/linux/UhidDevice.h"

#include <fcntl.h>
#include <linux/uhid.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <cstring>
#include <span>

namespace orvex::platform {
namespace {

constexpr std::size_t kHeaderSize = offsetof(uhid_event, u);

std::string ErrnoText(const char* what, int error) {
    return std::string(what) + ": " + std::strerror(error);
}

void CopyText(std::string_view text, std::uint8_t* target, std::size_t capacity) {
    // The kernel expects a terminated string; longer names are cut.
    const std::size_t length = std::min(text.size(), capacity - 1);
    std::memcpy(target, text.data(), length);
    target[length] = 0;
}

std::string Hex(std::uint8_t value) {
    static constexpr char kDigits[] = "0123456789abcdef";
    return std::string("0x") + kDigits[value >> 4] + kDigits[value & 0x0F];
}

}  // namespace

// One request as read, and how many bytes of it the kernel sent (the rest is zero).
struct UhidDevice::Event {
    uhid_event raw{};
    std::size_t size = 0;

    bool Holds(std::size_t payloadSize) const { return size >= kHeaderSize + payloadSize; }
};

std::unique_ptr<UhidDevice> UhidDevice::Create(const UhidDeviceIdentity& identity,
                                               HidDevice& firmware, std::string& error) {
    UniqueFd fd(::open(kUhidPath, O_RDWR | O_CLOEXEC));
    if (!fd) {
        error = ErrnoText(kUhidPath, errno);
        return nullptr;
    }
    return CreateOn(std::move(fd), identity, firmware, error);
}

std::unique_ptr<UhidDevice> UhidDevice::CreateOn(UniqueFd fd, const UhidDeviceIdentity& identity,
                                                 HidDevice& firmware, std::string& error) {
    if (identity.reportDescriptor.size() > HID_MAX_DESCRIPTOR_SIZE) {
        error = "report descriptor longer than the kernel takes";
        return nullptr;
    }
    std::unique_ptr<UhidDevice> device(new UhidDevice(std::move(fd), identity, firmware));

    auto event = std::make_unique<uhid_event>();
    event->type = UHID_CREATE2;
    uhid_create2_req& create = event->u.create2;
    CopyText(identity.name, create.name, sizeof create.name);
    create.rd_size = static_cast<__u16>(identity.reportDescriptor.size());
    create.bus = identity.bus;
    create.vendor = identity.vendorId;
    create.product = identity.productId;
    std::copy(identity.reportDescriptor.begin(), identity.reportDescriptor.end(), create.rd_data);
    if (!device->WriteEvent(event.get(), sizeof *event, error)) {
        // Nothing was created, so the destructor's destroy request would only fail.
        device->fd_ = UniqueFd();
        return nullptr;
    }
    return device;
}

UhidDevice::UhidDevice(UniqueFd fd, UhidDeviceIdentity identity, HidDevice& firmware)
    : fd_(std::move(fd)), identity_(std::move(identity)), firmware_(firmware) {}

UhidDevice::~UhidDevice() {
    if (!fd_) {
        return;
    }
    // Closing the descriptor destroys the device too; saying so first lets the kernel fail any
    // request still waiting for us at once instead of after its timeout.
    // The kernel takes no write shorter than six bytes, so the whole (empty) event goes.
    auto event = std::make_unique<uhid_event>();
    event->type = UHID_DESTROY;
    std::string ignored;
    WriteEvent(event.get(), sizeof *event, ignored);
}

bool UhidDevice::ProcessEvent(std::string& error) {
    auto event = std::make_unique<Event>();
    const ssize_t got = ::read(fd_.get(), &event->raw, sizeof event->raw);
    if (got < 0) {
        if (errno == EAGAIN || errno == EINTR) {
            return true;
        }
        error = ErrnoText("reading /dev/uhid", errno);
        return false;
    }
    if (got == 0) {
        error = "/dev/uhid closed";
        return false;
    }
    event->size = static_cast<std::size_t>(got);
    if (event->size < sizeof event->raw.type) {
        error = "short event from /dev/uhid";
        return false;
    }
    switch (event->raw.type) {
        case UHID_START:
            started_ = true;
            return true;
        case UHID_STOP:
            started_ = false;
            return true;
        case UHID_GET_REPORT:
            return AnswerGetReport(*event, error);
        case UHID_SET_REPORT:
            return AnswerSetReport(*event, error);
        default:
            // Open, close and output reports need no answer; the mouse declares no output report.
            return true;
    }
}

bool UhidDevice::AnswerGetReport(const Event& event, std::string& error) {
    if (!event.Holds(sizeof(uhid_get_report_req))) {
        error = "short get-report request from /dev/uhid";
        return false;
    }
    const uhid_get_report_req& request = event.raw.u.get_report;
    auto reply = std::make_unique<uhid_event>();
    reply->type = UHID_GET_REPORT_REPLY;
    reply->u.get_report_reply.id = request.id;

    const std::size_t length =
        request.rtype == UHID_FEATURE_REPORT ? FeatureReportLength(request.rnum) : 0;
    HidError result = HidError::InvalidParameter;
    if (length > 0) {
        std::span<std::uint8_t> report(reply->u.get_report_reply.data, length);
        report[0] = request.rnum;
        result = firmware_.GetFeature(report);
    }
    if (result == HidError::None) {
        reply->u.get_report_reply.size = static_cast<__u16>(length);
    } else {
        reply->u.get_report_reply.err = kErrorReply;
        Note("get-report " + Hex(request.rnum) + " refused: " + HidErrorName(result));
    }
    return WriteEvent(reply.get(), sizeof *reply, error);
}

bool UhidDevice::AnswerSetReport(const Event& event, std::string& error) {
    if (!event.Holds(offsetof(uhid_set_report_req, data))) {
        error = "short set-report request from /dev/uhid";
        return false;
    }
    const uhid_set_report_req& request = event.raw.u.set_report;
    // The size is the kernel's word, but never trusted past what was read.
    const std::size_t available = event.size - kHeaderSize - offsetof(uhid_set_report_req, data);
    const std::size_t size = std::min<std::size_t>({request.size, UHID_DATA_MAX, available});
    const std::span<const std::uint8_t> report(request.data, size);

    HidError result = HidError::InvalidParameter;
    // hidraw hands the caller's buffer over whole, so a numbered report starts with its id; one
    // that does not was not sent the way the mouse's reports are and is refused.
    if (request.rtype == UHID_FEATURE_REPORT && !report.empty() && report[0] == request.rnum) {
        result = firmware_.SetFeature(report);
    }
    uhid_event reply{};
    reply.type = UHID_SET_REPORT_REPLY;
    reply.u.set_report_reply.id = request.id;
    if (result != HidError::None) {
        reply.u.set_report_reply.err = kErrorReply;
        Note("set-report " + Hex(request.rnum) + " of " + std::to_string(size) +
             " bytes refused: " + HidErrorName(result));
    }
    return WriteEvent(&reply, kHeaderSize + sizeof(uhid_set_report_reply_req), error);
}

std::size_t UhidDevice::FeatureReportLength(std::uint8_t reportId) const {
    for (const UhidFeatureReport& report : identity_.featureReports) {
        if (report.reportId == reportId) {
            return std::min<std::size_t>(report.length, UHID_DATA_MAX);
        }
    }
    return 0;
}

bool UhidDevice::WriteEvent(const void* event, std::size_t size, std::string& error) {
    for (;;) {
        const ssize_t written = ::write(fd_.get(), event, size);
        if (written >= 0) {
            if (static_cast<std::size_t>(written) == size) {
                return true;
            }
            error = "short write to /dev/uhid";
            return false;
        }
        if (errno != EINTR) {
            error = ErrnoText("writing /dev/uhid", errno);
            return false;
        }
    }
}

void UhidDevice::Note(const std::string& line) const {
    if (log_) {
        log_(line);
    }
}

}  // namespace orvex::platform
