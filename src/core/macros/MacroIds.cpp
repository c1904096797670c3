#include "core/macros/MacroIds.h"

#include <algorithm>
#include <vector>

namespace orvex {
namespace {

std::int32_t SmallestFreeId(std::span<const std::int32_t> idsInUse) {
    std::vector<bool> taken(kLastMacroId - kFirstMacroId + 1, false);
    for (const std::int32_t id : idsInUse) {
        if (IsBindableMacroId(id)) {
            taken[static_cast<std::size_t>(id - kFirstMacroId)] = true;
        }
    }
    const auto free = std::find(taken.begin(), taken.end(), false);
    if (free == taken.end()) {
        return 0;
    }
    return kFirstMacroId + static_cast<std::int32_t>(free - taken.begin());
}

}  // namespace

std::int32_t NextMacroId(std::span<const std::int32_t> idsInUse) {
    std::uint32_t largest = kFirstMacroId - 1;
    for (const std::int32_t id : idsInUse) {
        largest = std::max(largest, static_cast<std::uint32_t>(id));
    }
    if (largest < static_cast<std::uint32_t>(kLastMacroId)) {
        return static_cast<std::int32_t>(largest + 1u);
    }
    return SmallestFreeId(idsInUse);
}

}  // namespace orvex
