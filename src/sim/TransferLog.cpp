#include "sim/TransferLog.h"

#include <algorithm>

namespace orvex::sim {

std::size_t TransferLog::Count(TransferKind kind, std::uint8_t reportId) const {
    return static_cast<std::size_t>(
        std::count_if(transfers_.begin(), transfers_.end(), [&](const Transfer& transfer) {
            return transfer.kind == kind && transfer.reportId == reportId;
        }));
}

}  // namespace orvex::sim
