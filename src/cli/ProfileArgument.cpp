#include "cli/ProfileArgument.h"

#include "cli/ExitCode.h"
#include "core/profiles/ConfigFolders.h"
#include "core/profiles/ProfileFile.h"
#include "core/profiles/ProfileSlots.h"

namespace orvex::cli {
namespace {

std::optional<int> SlotNumber(const std::string& text) {
    if (text.size() == 1 && text[0] >= '1' && text[0] < '1' + kSlotCount) {
        return text[0] - '0';
    }
    return std::nullopt;
}

}  // namespace

ProfileArgument ResolveProfileArgument(
    const std::string& text, const std::function<std::filesystem::path()>& programFolder) {
    const std::optional<int> slot = SlotNumber(text);
    if (!slot) {
        return {text, std::nullopt, {}};
    }
    const std::filesystem::path folder = programFolder();
    return {SlotProfilePath(folder, *slot), slot, folder};
}

ProfileRecord LoadProfileArgument(const ProfileArgument& profile) {
    ProfileRecord record =
        profile.slot ? MakeSlotProfile(profile.programFolder, *profile.slot) : MakeDefaultProfile();
    const ProfileLoadStatus status = LoadProfile(profile.path, record);
    const bool usable = status == ProfileLoadStatus::Loaded ||
                        (profile.slot && status == ProfileLoadStatus::Missing);
    if (!usable) {
        throw CliError(ExitCode::UsageOrInput,
                       profile.path.string() + ": " + ProfileLoadStatusName(status));
    }
    return record;
}

}  // namespace orvex::cli
