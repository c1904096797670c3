#pragma once

#include <filesystem>
#include <optional>
#include <ostream>

#include "cli/OutputFormat.h"
#include "cli/ProfileArgument.h"
#include "core/device/DeviceLink.h"
#include "core/log/Log.h"
#include "core/profiles/ProfileRecord.h"

namespace orvex::cli {

void ShowProfile(const ProfileArgument& profile, std::ostream& out);
void PrintProfileJson(const ProfileArgument& profile, std::ostream& out);
// Checks the JSON as a whole before it writes anything, then replaces the file atomically.
void WriteProfileFromJson(const std::filesystem::path& jsonPath, const ProfileArgument& target);

struct ImageOptions {
    // Profile number 1..5 the image is built for: by default the slot named, else 1.
    std::optional<int> slot;
    bool hex = false;
};
void WriteDeviceImage(const ProfileArgument& profile, const ImageOptions& options,
                      std::ostream& out);

// Uploads the five slot profiles of the program folder and makes `activeSlot` (1..5) active.
// `progress` (may be null) shows a bar while the slots go out. A slot file that does not load
// leaves its slot at the defaults, as in the window; the log says which and why.
void ApplySlotProfiles(DeviceLink& link, const std::filesystem::path& programDataFolder,
                       int activeSlot, OutputFormat format, std::ostream& out,
                       std::ostream* progress, Log& log);

}  // namespace orvex::cli
