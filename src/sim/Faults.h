#pragma once

#include <cstdint>
#include <optional>

#include "core/device/HidTransport.h"

namespace orvex::sim {

enum class FaultRepeat { Once, Always };

// A transfer that fails with a chosen error class: once (then it clears itself) or every time,
// for every report or only for one report id.
struct TransferFault {
    HidError error = HidError::None;  // None: no fault armed
    FaultRepeat repeat = FaultRepeat::Once;
    std::optional<std::uint8_t> reportId;

    static TransferFault Once(HidError error, std::optional<std::uint8_t> reportId = {});
    static TransferFault Always(HidError error, std::optional<std::uint8_t> reportId = {});

    bool Armed() const { return error != HidError::None; }
    bool Hits(std::uint8_t transferReportId) const;

    // The error this transfer fails with (None when the fault does not hit it); a one-shot fault
    // disarms itself when it fires.
    HidError Fire(std::uint8_t transferReportId);

    friend bool operator==(const TransferFault&, const TransferFault&) = default;
};

// Misbehaviour the virtual mouse can be told to show. It is part of the mouse's state, so a fault
// armed by one process is seen by another sharing the same state file.
struct Faults {
    static constexpr std::uint32_t kMaxBusyReads = 1'000'000;

    // The next this-many status reads answer busy (4) before the real status comes back.
    std::uint32_t busyReads = 0;
    TransferFault failedWrite;
    TransferFault failedRead;
    // Status reads never say done: they answer 0 whatever was sent.
    bool neverDone = false;
    // Answered to the active-profile command instead of the real active profile.
    std::optional<std::uint8_t> activeProfileReply;

    friend bool operator==(const Faults&, const Faults&) = default;
};

}  // namespace orvex::sim
