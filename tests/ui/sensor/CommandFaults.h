#pragma once

#include <functional>
#include <utility>
#include <vector>

#include "core/device/HidTransport.h"
#include "core/device/Reports.h"
#include "sim/Faults.h"

namespace orvex::ui::testing {

using FaultArming = std::pair<const char*, std::function<void(sim::Faults&)>>;

// The ways a command can fail on the mouse: its write refused, a status that never says done,
// and a busy streak longer than the poll waits for.
inline std::vector<FaultArming> CommandFaults() {
    return {
        {"refused write",
         [](sim::Faults& f) {
             f.failedWrite = sim::TransferFault::Always(HidError::WriteFault, kFeatureReportId);
         }},
        {"status never done", [](sim::Faults& f) { f.neverDone = true; }},
        {"busy past the poll's patience", [](sim::Faults& f) { f.busyReads = 3; }},
    };
}

}  // namespace orvex::ui::testing
