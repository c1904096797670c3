#pragma once

#include <array>

namespace orvex::testing {

// The X server's pointer acceleration as XGetPointerControl reports it: numerator, denominator,
// threshold; all zero when no server can be reached. Kept apart from the tests because Xlib's
// macros (None, Bool, Status) break GoogleTest's headers.
std::array<int, 3> ServerPointerAcceleration();
// Sets it, as `xset m` does.
void SetServerPointerAcceleration(const std::array<int, 3>& control);

}  // namespace orvex::testing
