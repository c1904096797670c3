#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "core/profiles/ProfileRecord.h"

namespace orvex::cli {

// A profile named on the command line: "1" to "5" is that slot of the program folder (the file
// the window keeps it in), anything else a file path ("./3" is the file named 3).
struct ProfileArgument {
    std::filesystem::path path;
    std::optional<int> slot;              // 1..5 when a slot was named
    std::filesystem::path programFolder;  // set with the slot
};

// `programFolder` is asked only when a slot is named, so a path works without a home folder.
ProfileArgument ResolveProfileArgument(const std::string& text,
                                       const std::function<std::filesystem::path()>& programFolder);

// The profile as the program sees it. A slot whose file does not exist yet is the slot's
// defaults, as the window and `apply` take it; a named file must exist. A file that exists but
// does not load throws CliError (exit 1) naming it and why, so nothing is built on a damaged file.
ProfileRecord LoadProfileArgument(const ProfileArgument& profile);

}  // namespace orvex::cli
