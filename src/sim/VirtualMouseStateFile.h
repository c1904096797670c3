#pragma once

#include <filesystem>
#include <string>

#include "sim/VirtualMouseState.h"

namespace orvex::sim {

enum class StateLoadOutcome { Loaded, Missing, Rejected };

struct StateLoadResult {
    StateLoadOutcome outcome = StateLoadOutcome::Missing;
    VirtualMouseState state;  // the file's state when Loaded, else the defaults
    std::string error;        // why it was rejected
};

struct StateSaveResult {
    bool ok = false;
    std::string error;
};

// Reads a state file written by SaveMouseState (or by hand). A missing file is not an error: the
// caller decides whether to start from the defaults.
StateLoadResult LoadMouseState(const std::filesystem::path& path);

// Writes the state to a temporary file beside the target and renames it over the target, so a
// reader never sees half a file. No lock is taken: processes sharing the file must serialise
// their read-change-write cycles themselves (see MouseStateShare).
StateSaveResult SaveMouseState(const std::filesystem::path& path, const VirtualMouseState& state);

}  // namespace orvex::sim
