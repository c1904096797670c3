#pragma once

#include <cstdint>

#include "core/macros/CMacroEvent.h"
#include "core/macros/IntRect.h"

namespace orvex {

// One event of a macro as the macro page edits it: the event itself plus its row in the event
// list. Row rectangle, selection and serial are stored in the macro file, so a macro comes back
// with its selection; they are not part of a profile's copy.
struct CEventItem {
    IntRect rect;
    std::int32_t selected = 0;  // 0 or 1; any other value read from a file counts as selected
    std::int32_t serial = 0;    // insertion stamp, stored but read by nothing
    std::uint8_t type = 0;
    std::int16_t code = 0;
    std::uint8_t release = kEventPress;
    std::int32_t delay = 0;  // milliseconds before the event

    bool IsSelected() const { return selected != 0; }
    CMacroEvent ToMacroEvent() const { return {type, code, release, delay}; }

    friend bool operator==(const CEventItem&, const CEventItem&) = default;
};

}  // namespace orvex
