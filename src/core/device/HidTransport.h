#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace orvex {

// A top-level application collection of a HID interface.
struct HidUsage {
    std::uint16_t usagePage = 0;
    std::uint16_t usage = 0;

    friend bool operator==(const HidUsage&, const HidUsage&) = default;
};

// One device interface as the system lists it.
struct HidInterfaceInfo {
    std::string path;
    std::uint16_t vendorId = 0;
    std::uint16_t productId = 0;
    std::vector<HidUsage> topLevelUsages;

    friend bool operator==(const HidInterfaceInfo&, const HidInterfaceInfo&) = default;
};

// Why a feature-report transfer failed. The first five classes are transient on the mouse's
// firmware (it drops a report while it is busy writing its flash), so a write failing with one of
// them is tried once more; the others mean the device is gone or the request is wrong.
enum class HidError {
    None,
    NotReady,
    Crc,
    WriteFault,
    InvalidParameter,
    FunctionFailed,
    NoDevice,
    AccessDenied,
    Other,
};

bool IsRetriedWriteError(HidError error);
const char* HidErrorName(HidError error);

// An opened device interface that moves feature reports. Byte 0 of every buffer is the report id.
class HidDevice {
  public:
    virtual ~HidDevice() = default;

    virtual HidError SetFeature(std::span<const std::uint8_t> report) = 0;

    // On entry report[0] names the report; on success the whole buffer holds the device's reply
    // (bytes the device did not send are zero).
    virtual HidError GetFeature(std::span<std::uint8_t> report) = 0;

    // Other programs may talk to the same mouse, and a command's status read must not meet
    // another program's command. One exchange holds the device for itself: false while another
    // program holds it. A device nobody else can reach is always free.
    virtual bool TryLockExchange() { return true; }
    virtual void UnlockExchange() {}

    // A program kept waiting for the mouse says so until it gets it or gives up, and a program
    // about to start an exchange first lets such a waiter have its turn: otherwise the next of
    // Apply's five uploads would follow the last too closely for anyone else to get in.
    virtual void SetWaitingForExchange(bool /*waiting*/) {}
    virtual bool OthersWaitingForExchange() { return false; }
};

// The system's HID devices: listing and opening. The Linux backend uses hidraw; the virtual mouse
// provides one in-process.
class HidTransport {
  public:
    virtual ~HidTransport() = default;

    // Interfaces in the order the system lists them.
    virtual std::vector<HidInterfaceInfo> ListInterfaces() = 0;

    // Null when the interface cannot be opened.
    virtual std::unique_ptr<HidDevice> Open(const std::string& path) = 0;
};

}  // namespace orvex
