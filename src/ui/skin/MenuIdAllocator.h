#pragma once

#include <optional>

#include "core/device/Clock.h"

namespace orvex::ui {

// Names pop-up menus as the program always has, by the clock's tick count, kept clear of every
// other code a window tells apart: its controls' identifiers and the reserved notification codes
// all lie below kFirstMenuId. A menu made while the clock has not moved past the last id (two
// menus in the same millisecond, as on a virtual clock) gets the id after it, so ids never repeat
// the one issued last.
class MenuIdAllocator {
  public:
    static constexpr int kFirstMenuId = 0x10000;
    static constexpr int kLastMenuId = 0x7FFFFFFF;

    // The clock must outlive the allocator.
    explicit MenuIdAllocator(const Clock& clock) : clock_(clock) {}

    int Next();

  private:
    const Clock& clock_;
    std::optional<int> last_;
};

}  // namespace orvex::ui
