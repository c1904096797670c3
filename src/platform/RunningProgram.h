#pragma once

#include <filesystem>

namespace orvex::platform {

// The folder holding the running program's file, or an empty path when the system cannot tell.
// Unlike asking the application object, this works before one exists, so start-up work that
// needs the program's own files can begin while the toolkit connects to the display.
std::filesystem::path RunningProgramFolder();

}  // namespace orvex::platform
