#include "core/macros/ProfileMacro.h"

#include <algorithm>

namespace orvex {

bool HasNoReleaseEvent(const std::vector<CMacroEvent>& events) {
    return std::none_of(events.begin(), events.end(),
                        [](const CMacroEvent& event) { return event.release == kEventRelease; });
}

bool ProfileMacro::IsHoldMacro() const {
    return HasNoReleaseEvent(events);
}

}  // namespace orvex
