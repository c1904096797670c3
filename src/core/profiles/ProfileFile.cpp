#include "core/profiles/ProfileFile.h"

#include <string_view>
#include <system_error>

#include "core/profiles/ConfigFolders.h"
#include "core/text/Utf.h"

namespace orvex {
namespace {

bool HasProfileExtension(const std::filesystem::path& path) {
    // Compare on the file name text: std::filesystem treats ".profile" as a name with no
    // extension, while the rule asks only for what follows the last dot.
    const std::u8string name = path.filename().u8string();
    const auto dot = name.rfind(u8'.');
    return dot != std::u8string::npos && name.substr(dot + 1) == u8"profile";
}

bool IsUnsafeFileNameUnit(char16_t unit) {
    constexpr std::u16string_view kReserved = u"/\\:*?\"<>|";
    return unit < 0x20 || kReserved.find(unit) != std::u16string_view::npos;
}

}  // namespace

FileWriteResult SaveProfile(const ProfileRecord& record, const std::filesystem::path& path) {
    DataStream stream;
    WriteProfile(stream, record);
    FileWriteResult result = stream.SaveToFile(path);
    // A program killed between writing its temporary file and renaming it leaves the file behind;
    // the next save of the same file clears it away.
    RemoveStaleTemporaryFiles(path);
    return result;
}

ProfileLoadStatus LoadProfile(const std::filesystem::path& path, ProfileRecord& record) {
    std::error_code error;
    if (!std::filesystem::exists(path, error)) {
        return ProfileLoadStatus::Missing;
    }
    DataStream stream;
    if (!stream.LoadFromFile(path)) {
        return ProfileLoadStatus::Unreadable;
    }
    return ReadProfile(stream, record);
}

std::filesystem::path ExportTargetPath(const std::filesystem::path& chosen) {
    if (HasProfileExtension(chosen)) {
        return chosen;
    }
    std::filesystem::path target = chosen;
    target += ".";
    target += kProfileExtension;
    return target;
}

FileWriteResult ExportProfile(const ProfileRecord& record, const std::filesystem::path& chosen) {
    return SaveProfile(record, ExportTargetPath(chosen));
}

ProfileLoadStatus ImportProfile(const std::filesystem::path& chosen, ProfileRecord& record) {
    return LoadProfile(chosen, record);
}

std::filesystem::path SuggestedExportPath(const std::filesystem::path& programDataFolder,
                                          const ProfileRecord& record) {
    std::u16string fileName = record.name;
    for (char16_t& unit : fileName) {
        if (IsUnsafeFileNameUnit(unit)) {
            unit = u'_';
        }
    }
    if (fileName.empty() || fileName == u"." || fileName == u"..") {
        fileName = u"profile";
    }
    fileName += u".profile";
    return ProfilesFolderPath(programDataFolder) / PathFromUtf16(fileName);
}

}  // namespace orvex
