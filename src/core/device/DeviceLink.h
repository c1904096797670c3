#pragma once

#include <cstdint>
#include <memory>
#include <span>

#include "core/device/Clock.h"
#include "core/device/HidTransport.h"
#include "core/device/Reports.h"

namespace orvex {

// The program's one link to the mouse: finds it among the HID interfaces, keeps one open handle to
// its command collection and moves feature reports with the firmware's retry and polling rules.
// Not thread-safe; every call comes from one thread.
class DeviceLink {
  public:
    static constexpr int kStatusReads = 5;
    static constexpr int kBusyReadLimit = 3;
    static constexpr Milliseconds kBusyWait{20};
    // How long an exchange waits for another program's exchange with the mouse to end: longer
    // than the longest single exchange (a profile switch), so only a stuck program runs it out.
    static constexpr Milliseconds kExchangeWaitLimit{5000};
    static constexpr Milliseconds kExchangeRetry{10};
    // The pause given to a program that waits for the mouse: two of its retries, so it tries once
    // whatever the phase of its steps.
    static constexpr Milliseconds kExchangeTurn{2 * kExchangeRetry};

    // Holds the mouse for one exchange (a command and its status reads, or both halves of an
    // image with theirs) against other programs, waiting for theirs to end within
    // kExchangeWaitLimit. When it could not be had, held() is false and the exchange must fail:
    // the mouse is busy. Exchanges inside an exchange share the outer hold. A program already
    // waiting goes first, so back-to-back exchanges (Apply's slots) let others in between.
    class Exchange {
      public:
        explicit Exchange(DeviceLink& link) : link_(link), held_(link.BeginExchange()) {}
        ~Exchange() {
            if (held_) {
                link_.EndExchange();
            }
        }
        Exchange(const Exchange&) = delete;
        Exchange& operator=(const Exchange&) = delete;

        bool held() const { return held_; }

      private:
        DeviceLink& link_;
        bool held_;
    };

    DeviceLink(HidTransport& transport, Clock& clock);

    // Looks the mouse up afresh (closing any handle first); true when found and opened.
    bool OpenMouse();
    void CloseMouse();

    // The report is written once and, after a transient failure, once more at once.
    bool SendFeature(std::span<const std::uint8_t> report);

    // Reads the status report until it says done (up to five reads; a busy answer to the third
    // read ends it). On success the reply is in `report`; on failure `report` is unchanged.
    bool PollStatus(FeatureReport& report);

    bool HasHandle() const { return device_ != nullptr; }

    // Set by a successful OpenMouse; callers test it to skip a new search. The hot-plug removal
    // clears it. It can stay set after the handle went bad; commands then fail.
    bool devicePresent() const { return devicePresent_; }
    void ClearDevicePresent() { devicePresent_ = false; }

    // Opens the mouse unless it is already known to be present.
    bool EnsureOpen() { return devicePresent_ || OpenMouse(); }

    Clock& clock() { return clock_; }

  private:
    bool BeginExchange();
    bool WaitForExchangeLock();
    void EndExchange();

    HidTransport& transport_;
    Clock& clock_;
    std::unique_ptr<HidDevice> device_;
    bool devicePresent_ = false;
    int exchangeDepth_ = 0;
    bool exchangeLocked_ = false;
};

}  // namespace orvex
