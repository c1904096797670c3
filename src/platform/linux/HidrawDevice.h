#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "core/device/HidTransport.h"
#include "platform/linux/UniqueFd.h"

namespace orvex::platform {

// An open hidraw node. Feature reports travel through the hidraw ioctls, byte 0 being the report
// id as the kernel expects.
class HidrawDevice : public HidDevice {
  public:
    // The kernel refuses larger transfers, and the ioctl number has only 14 bits for the size.
    static constexpr std::size_t kMaxReportSize = 4096;

    explicit HidrawDevice(UniqueFd fd);

    HidError SetFeature(std::span<const std::uint8_t> report) override;
    HidError GetFeature(std::span<std::uint8_t> report) override;
    // An flock on the node: every program that opens the mouse's node meets the same lock.
    bool TryLockExchange() override;
    void UnlockExchange() override;
    // A shared record lock on the node's first byte (an open file description lock, which the
    // flock above does not meet): the waiters' sign, seen by whoever tests for a write lock.
    void SetWaitingForExchange(bool waiting) override;
    bool OthersWaitingForExchange() override;

  private:
    UniqueFd fd_;
};

}  // namespace orvex::platform
