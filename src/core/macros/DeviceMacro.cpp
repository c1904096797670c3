#include "core/macros/DeviceMacro.h"

#include <algorithm>

#include "core/macros/CMacroEvent.h"

namespace orvex {

bool DeviceMacro::IsHoldMacro() const {
    return std::none_of(events.begin(), events.end(), [](const DeviceMacroEvent& event) {
        return event.release == kEventRelease;
    });
}

}  // namespace orvex
