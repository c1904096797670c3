#pragma once

#include <ostream>
#include <string>

#include "sim/VirtualMouse.h"

namespace orvex::cli {

// Writes the 2048 bytes the virtual mouse holds for profile `profileNumber` (1..5).
void WriteVirtualImage(const sim::VirtualMouse& mouse, int profileNumber, std::ostream& out);

// Changes one part of the virtual mouse's state: firmware W, active N (1..5), quality Q,
// unplugged 0|1, busy K.
void SetVirtualState(sim::VirtualMouse& mouse, const std::string& what, long long value);

}  // namespace orvex::cli
