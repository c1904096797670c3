#include "ui/skin/MenuIdAllocator.h"

#include <cstdint>

namespace orvex::ui {
namespace {

// A tick count as a 31-bit number, lifted above the codes the windows already use.
int IdOfTick(std::int64_t tick) {
    const auto low = static_cast<int>(tick & MenuIdAllocator::kLastMenuId);
    return low < MenuIdAllocator::kFirstMenuId ? low + MenuIdAllocator::kFirstMenuId : low;
}

}  // namespace

int MenuIdAllocator::Next() {
    int id = IdOfTick(clock_.Now().count());
    if (last_.has_value() && id <= *last_) {
        id = *last_ == kLastMenuId ? kFirstMenuId : *last_ + 1;
    }
    last_ = id;
    return id;
}

}  // namespace orvex::ui
