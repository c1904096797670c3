#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "cli/ProfileArgument.h"

namespace orvex::cli {

// Single settings of a profile, addressed by their key in the profile's JSON form: a top-level
// key ("lightingEffect", "resolutionSteps"), or one item or member below it ("resolutionSteps[1]",
// "buttons[3].code").

// Prints the setting in the form `profile set` takes: a number or text as it is, a list as its
// items separated by spaces (a pair of numbers as "x,y"), anything deeper as compact JSON.
void PrintProfileSetting(const ProfileArgument& profile, const std::string& key, std::ostream& out);

// Replaces the setting with `values` (read as `profile get` prints them, or one JSON text),
// checked with the same rules as `profile from-json`, and writes the profile atomically. A value
// that is refused leaves the file as it was and throws CliError (exit 1) saying why.
void ChangeProfileSetting(const ProfileArgument& profile, const std::string& key,
                          const std::vector<std::string>& values);

}  // namespace orvex::cli
