#pragma once

#include <filesystem>
#include <optional>
#include <ostream>

#include "core/device/DeviceLink.h"
#include "core/log/Log.h"
#include "core/profiles/ProfileRecord.h"

namespace orvex::cli {

// Loads a profile file the user named; throws CliError (exit 1) naming the problem.
ProfileRecord LoadProfileFile(const std::filesystem::path& path);

void ShowProfile(const std::filesystem::path& path, std::ostream& out);
void PrintProfileJson(const std::filesystem::path& path, std::ostream& out);
void WriteProfileFromJson(const std::filesystem::path& jsonPath,
                          const std::filesystem::path& outPath);

struct ImageOptions {
    int slot = 1;  // profile number 1..5 the image is built for
    bool hex = false;
};
void WriteDeviceImage(const std::filesystem::path& path, const ImageOptions& options,
                      std::ostream& out);

// Uploads the five slot profiles of the program folder and makes `activeSlot` (1..5) active.
// `progress` (may be null) shows a bar while the slots go out. A slot file that does not load
// leaves its slot at the defaults, as in the window; the log says which and why.
void ApplySlotProfiles(DeviceLink& link, const std::filesystem::path& programDataFolder,
                       int activeSlot, std::ostream& out, std::ostream* progress, Log& log);

}  // namespace orvex::cli
