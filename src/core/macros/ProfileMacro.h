#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/macros/CMacroEvent.h"

namespace orvex {

// A profile's private copy of the macro one of its buttons is bound to. It keeps no link to the
// macro it was copied from, so editing or deleting that macro leaves the profile unchanged until
// the binding is stored again. Copies are deep (plain value semantics).
struct ProfileMacro {
    std::u16string name;
    std::int32_t id = 0;  // 16 or more for a real macro, 0 for an empty copy
    std::vector<CMacroEvent> events;

    void AppendEvent(const CMacroEvent& event) { events.push_back(event); }
    void ClearEvents() { events.clear(); }

    // A hold macro has no release event (recorded with "Record Hold"); the mouse keeps its keys
    // down while the button is held.
    bool IsHoldMacro() const;

    friend bool operator==(const ProfileMacro&, const ProfileMacro&) = default;
};

// Shared by every form of a macro: no events, or none of them a release.
bool HasNoReleaseEvent(const std::vector<CMacroEvent>& events);

}  // namespace orvex
