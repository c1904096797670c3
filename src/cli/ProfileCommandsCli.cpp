#include "cli/ProfileCommandsCli.h"

#include <fstream>
#include <iomanip>
#include <optional>
#include <sstream>

#include "cli/DeviceCommandsCli.h"
#include "cli/ExitCode.h"
#include "cli/JsonShape.h"
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
constexpr std::size_t kMaxJsonBytes = 4 * 1024 * 1024;

nlohmann::json ReadJsonFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw CliError(ExitCode::UsageOrInput, path.string() + ": cannot read");
    }
    // Read by the cap, not by the size the file claims: it may grow while it is read, or be a
    // pipe that claims none.
    std::string text(kMaxJsonBytes + 1, '\0');
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    if (in.bad()) {
        throw CliError(ExitCode::UsageOrInput, path.string() + ": cannot read");
    }
    text.resize(static_cast<std::size_t>(in.gcount()));
    if (text.size() > kMaxJsonBytes) {
        throw CliError(ExitCode::UsageOrInput, path.string() + ": too large for a profile");
    }
    if (const auto problem = JsonShapeProblem(text)) {
        throw CliError(ExitCode::UsageOrInput,
                       path.string() + ": not a profile (" + *problem + ")");
    }
    try {
        return nlohmann::json::parse(text);
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

// An upload's result in one word, as the JSON gives it.
const char* UploadOutcomeKey(DeviceResult result) {
    switch (result) {
        case DeviceResult::Done:
            return "done";
        case DeviceResult::Refused:
            return "refused";
        case DeviceResult::Failed:
            return "failed";
    }
    return "failed";
}

std::string UploadOutcome(DeviceResult result) {
    return std::string(UploadOutcomeKey(result)) +
           (result == DeviceResult::Refused ? " (too many macro events)" : "");
}

// The JSON form of how a slot file loaded.
const char* LoadStatusKey(ProfileLoadStatus status) {
    switch (status) {
        case ProfileLoadStatus::Loaded:
            return "loaded";
        case ProfileLoadStatus::Missing:
            return "missing";
        case ProfileLoadStatus::Unreadable:
            return "unreadable";
        case ProfileLoadStatus::NotAProfile:
            return "notAProfile";
        case ProfileLoadStatus::Damaged:
            return "damaged";
    }
    return "unreadable";
}

}  // namespace

void ShowProfile(const ProfileArgument& profile, std::ostream& out) {
    PrintProfileSummary(LoadProfileArgument(profile), out);
}

void PrintProfileJson(const ProfileArgument& profile, std::ostream& out) {
    PrintJson(out, ProfileToJson(LoadProfileArgument(profile)));
}

void WriteProfileFromJson(const std::filesystem::path& jsonPath, const ProfileArgument& target) {
    const ProfileRecord record = ProfileFromJson(ReadJsonFile(jsonPath));
    const FileWriteResult saved = SaveProfile(record, target.path);
    if (!saved) {
        throw CliError(ExitCode::UsageOrInput, target.path.string() + ": " + saved.error);
    }
}

void WriteDeviceImage(const ProfileArgument& profile, const ImageOptions& options,
                      std::ostream& out) {
    const int slot = options.slot.value_or(profile.slot.value_or(1));
    CheckSlotNumber(slot);
    ProfileRecord record = LoadProfileArgument(profile);
    record.slotIndex = static_cast<std::uint8_t>(slot - 1);
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
                       int activeSlot, OutputFormat format, std::ostream& out,
                       std::ostream* progress, Log& log) {
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

    const bool json = format == OutputFormat::Json;
    ProgressBar bar(progress, kSlotCount);
    bool anyFailed = false;
    bool anyRefused = false;
    nlohmann::ordered_json slotResults = nlohmann::ordered_json::array();
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        const std::size_t index = static_cast<std::size_t>(slot - 1);
        const DeviceResult result = UploadProfileImage(link, slots.records[index]);
        anyFailed |= result == DeviceResult::Failed;
        anyRefused |= result == DeviceResult::Refused;
        bar.Erase();
        if (json) {
            slotResults.push_back({{"slot", slot},
                                   {"result", UploadOutcomeKey(result)},
                                   {"file", slots.records[index].filePath.string()},
                                   {"fileStatus", LoadStatusKey(slots.loadStatus[index])}});
        } else {
            out << "slot " << slot << ": " << UploadOutcome(result) << std::endl;
        }
        bar.Step();
    }
    bar.Erase();
    // A script learns what reached the mouse even when the switch to the active slot failed.
    std::optional<CliError> activation;
    try {
        MakeProfileActive(link, activeSlot);
    } catch (const CliError& error) {
        activation = error;
    }
    if (json) {
        PrintJson(out, {{"slots", slotResults},
                        {"activeProfile", activation ? nlohmann::ordered_json()
                                                     : nlohmann::ordered_json(activeSlot)}});
    }
    if (activation) {
        throw *activation;
    }
    if (anyFailed) {
        throw CliError(ExitCode::DeviceFailed, "some profiles did not reach the mouse");
    }
    if (anyRefused) {
        throw CliError(ExitCode::Refused, "some profiles hold too many macro events");
    }
}

}  // namespace orvex::cli
