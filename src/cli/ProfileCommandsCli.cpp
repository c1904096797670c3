#include "cli/ProfileCommandsCli.h"

#include <fstream>
#include <iomanip>
#include <sstream>

#include "cli/DeviceCommandsCli.h"
#include "cli/ExitCode.h"
#include "cli/ProfileJson.h"
#include "cli/ProfileSummary.h"
#include "cli/ProgressBar.h"
#include "core/device/DeviceCommands.h"
#include "core/profiles/DeviceImage.h"
#include "core/profiles/ProfileFile.h"
#include "core/profiles/ProfileSlots.h"
#include "core/profiles/ProfileUpload.h"

namespace orvex::cli {
namespace {

// A JSON document larger than this is not a profile.
constexpr std::uintmax_t kMaxJsonBytes = 4 * 1024 * 1024;

nlohmann::json ReadJsonFile(const std::filesystem::path& path) {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error) {
        throw CliError(ExitCode::UsageOrInput,
                       path.string() + ": cannot read (" + error.message() + ")");
    }
    if (size > kMaxJsonBytes) {
        throw CliError(ExitCode::UsageOrInput, path.string() + ": too large for a profile");
    }
    std::ifstream in(path, std::ios::binary);
    try {
        return nlohmann::json::parse(in);
    } catch (const nlohmann::json::parse_error& e) {
        throw CliError(ExitCode::UsageOrInput,
                       path.string() + ": not valid JSON (" + std::string(e.what()) + ")");
    }
}

void CheckSlotNumber(int slot) {
    if (slot < 1 || slot > kSlotCount) {
        throw CliError(ExitCode::UsageOrInput, "slot must be 1 to 5");
    }
}

const char* UploadOutcome(DeviceResult result) {
    switch (result) {
        case DeviceResult::Done:
            return "done";
        case DeviceResult::Refused:
            return "refused (too many macro events)";
        case DeviceResult::Failed:
            return "failed";
    }
    return "failed";
}

}  // namespace

ProfileRecord LoadProfileFile(const std::filesystem::path& path) {
    ProfileRecord record = MakeDefaultProfile();
    const ProfileLoadStatus status = LoadProfile(path, record);
    if (status != ProfileLoadStatus::Loaded) {
        throw CliError(ExitCode::UsageOrInput,
                       path.string() + ": " + ProfileLoadStatusName(status));
    }
    return record;
}

void ShowProfile(const std::filesystem::path& path, std::ostream& out) {
    PrintProfileSummary(LoadProfileFile(path), out);
}

void PrintProfileJson(const std::filesystem::path& path, std::ostream& out) {
    out << ProfileToJson(LoadProfileFile(path)).dump(2) << '\n';
}

void WriteProfileFromJson(const std::filesystem::path& jsonPath,
                          const std::filesystem::path& outPath) {
    const ProfileRecord record = ProfileFromJson(ReadJsonFile(jsonPath));
    const FileWriteResult saved = SaveProfile(record, outPath);
    if (!saved) {
        throw CliError(ExitCode::UsageOrInput, outPath.string() + ": " + saved.error);
    }
}

void WriteDeviceImage(const std::filesystem::path& path, const ImageOptions& options,
                      std::ostream& out) {
    CheckSlotNumber(options.slot);
    ProfileRecord record = LoadProfileFile(path);
    record.slotIndex = static_cast<std::uint8_t>(options.slot - 1);
    const DeviceImageBuild build = BuildDeviceImage(record);
    if (build.refused()) {
        throw CliError(ExitCode::Refused, "refused: " + std::to_string(build.totalMacroEvents) +
                                              " macro events, the mouse takes at most " +
                                              std::to_string(kMaxImageMacroEvents));
    }
    const DeviceProfileImage& image = *build.image;
    if (!options.hex) {
        out.write(reinterpret_cast<const char*>(image.data()),
                  static_cast<std::streamsize>(image.size()));
        return;
    }
    std::ostringstream text;
    text << std::hex << std::setfill('0');
    for (std::size_t i = 0; i < image.size(); ++i) {
        text << std::setw(2) << int{image[i]} << ((i % 16 == 15) ? '\n' : ' ');
    }
    out << text.str();
}

void ApplySlotProfiles(DeviceLink& link, const std::filesystem::path& programDataFolder,
                       int activeSlot, std::ostream& out, std::ostream* progress, Log& log) {
    CheckSlotNumber(activeSlot);
    const SlotProfiles slots = LoadSlotProfiles(programDataFolder);
    for (std::size_t i = 0; i < slots.records.size(); ++i) {
        if (slots.loadStatus[i] != ProfileLoadStatus::Loaded) {
            LogLine(&log, "orvexctl",
                    "slot " + std::to_string(i + 1) + ": " + slots.records[i].filePath.string() +
                        ": " + ProfileLoadStatusName(slots.loadStatus[i]) +
                        "; uploading its defaults");
        }
    }
    RequireMouse(link);

    ProgressBar bar(progress, kSlotCount);
    bool anyFailed = false;
    bool anyRefused = false;
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        const DeviceResult result = UploadProfileImage(link, slots.records[slot - 1]);
        anyFailed |= result == DeviceResult::Failed;
        anyRefused |= result == DeviceResult::Refused;
        bar.Erase();
        out << "slot " << slot << ": " << UploadOutcome(result) << std::endl;
        bar.Step();
    }
    bar.Erase();
    MakeProfileActive(link, activeSlot);
    if (anyFailed) {
        throw CliError(ExitCode::DeviceFailed, "some profiles did not reach the mouse");
    }
    if (anyRefused) {
        throw CliError(ExitCode::Refused, "some profiles hold too many macro events");
    }
}

}  // namespace orvex::cli
