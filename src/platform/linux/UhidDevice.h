#pragma once

#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/device/HidTransport.h"
#include "platform/linux/UniqueFd.h"

namespace orvex::platform {

// A feature report the device declares, with its length counting the report id byte.
struct UhidFeatureReport {
    std::uint8_t reportId = 0;
    std::size_t length = 0;
};

struct UhidDeviceIdentity {
    std::string name;
    std::uint16_t bus = 0x03;  // BUS_USB
    std::uint16_t vendorId = 0;
    std::uint16_t productId = 0;
    std::vector<std::uint8_t> reportDescriptor;
    // The kernel's get-report request names the report but not the caller's buffer size, so the
    // reply length comes from here. Reports not listed are refused.
    std::vector<UhidFeatureReport> featureReports;
};

// A HID device living in the kernel through /dev/uhid, as if it were plugged in: it gets a hidraw
// node, and the feature-report ioctls on that node arrive here as requests that `firmware`
// answers. Byte 0 of every report handed to `firmware` is the report id, as on a hidraw node.
//
// Any failure of the firmware goes back as an error reply, and the kernel turns every error
// reply into EIO for the ioctl's caller, whatever the firmware's error class was.
class UhidDevice {
  public:
    static constexpr const char* kUhidPath = "/dev/uhid";
    // Sent with every error reply; the kernel only tests it for non-zero.
    static constexpr std::uint16_t kErrorReply = EIO;

    using Log = std::function<void(std::string_view)>;

    // Opens /dev/uhid and creates the device. Null with `error` set when that fails.
    static std::unique_ptr<UhidDevice> Create(const UhidDeviceIdentity& identity,
                                              HidDevice& firmware, std::string& error);

    // The same on a descriptor that already speaks the uhid protocol (tests pass one end of a
    // socket pair and play the kernel on the other).
    static std::unique_ptr<UhidDevice> CreateOn(UniqueFd fd, const UhidDeviceIdentity& identity,
                                                HidDevice& firmware, std::string& error);

    // Removes the device from the kernel, as an unplug does.
    ~UhidDevice();
    UhidDevice(const UhidDevice&) = delete;
    UhidDevice& operator=(const UhidDevice&) = delete;

    // Readable when the kernel has a request; poll it and call ProcessEvent.
    int fd() const { return fd_.get(); }

    // Reads one request and answers it. False when the descriptor failed (the device is unusable);
    // `error` then says why.
    bool ProcessEvent(std::string& error);

    // Between the kernel's start and stop of the device (a driver is bound to it).
    bool started() const { return started_; }

    // Receives a line for every request refused or failed, for the program's log.
    void SetLog(Log log) { log_ = std::move(log); }

  private:
    UhidDevice(UniqueFd fd, UhidDeviceIdentity identity, HidDevice& firmware);

    bool WriteEvent(const void* event, std::size_t size, std::string& error);
    void Note(const std::string& line) const;
    std::size_t FeatureReportLength(std::uint8_t reportId) const;

    struct Event;
    bool AnswerGetReport(const Event& event, std::string& error);
    bool AnswerSetReport(const Event& event, std::string& error);

    UniqueFd fd_;
    UhidDeviceIdentity identity_;
    HidDevice& firmware_;
    bool started_ = false;
    Log log_;
};

}  // namespace orvex::platform
