#include "sim/Faults.h"

namespace orvex::sim {

TransferFault TransferFault::Once(HidError error, std::optional<std::uint8_t> reportId) {
    return {error, FaultRepeat::Once, reportId};
}

TransferFault TransferFault::Always(HidError error, std::optional<std::uint8_t> reportId) {
    return {error, FaultRepeat::Always, reportId};
}

bool TransferFault::Hits(std::uint8_t transferReportId) const {
    return Armed() && (!reportId || *reportId == transferReportId);
}

HidError TransferFault::Fire(std::uint8_t transferReportId) {
    if (!Hits(transferReportId)) {
        return HidError::None;
    }
    const HidError fired = error;
    if (repeat == FaultRepeat::Once) {
        *this = TransferFault{};
    }
    return fired;
}

}  // namespace orvex::sim
