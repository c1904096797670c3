#pragma once

#include <string>
#include <vector>

namespace orvex::testing {

// Runs a program found on PATH (xdotool, xset, ...) to its end, its output thrown away, and
// returns its exit code; -1 when it could not run or was still running after ten seconds.
int RunCommand(const std::vector<std::string>& arguments);

}  // namespace orvex::testing
