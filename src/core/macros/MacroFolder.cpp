#include "core/macros/MacroFolder.h"

#include <algorithm>
#include <set>
#include <system_error>

#include "core/macros/MacroFileFormat.h"
#include "core/macros/MacroFileNames.h"
#include "core/profiles/DataStream.h"
#include "core/text/Utf.h"

namespace orvex {
namespace {

constexpr std::size_t kShortestFolderPath = 4;

std::filesystem::path MacroFilePath(const std::filesystem::path& folder, std::u16string_view stem) {
    std::u16string fileName(stem);
    fileName += kMacroFileExtension;
    return folder / PathFromUtf16(fileName);
}

bool IsOneOf(const std::filesystem::path& entry, const std::vector<std::filesystem::path>& kept) {
    // Compared as files, not as names: on a case-insensitive file system "Macro.macro" left from
    // an earlier save may be the very file just written as "macro.macro".
    return std::any_of(kept.begin(), kept.end(), [&entry](const std::filesystem::path& file) {
        std::error_code error;
        return std::filesystem::equivalent(entry, file, error);
    });
}

// What is left over from earlier saves or was put there by someone else. Failures are left for
// the next save: the list no longer names those files, so they cannot come back as macros.
void RemoveStaleEntries(const std::filesystem::path& folder,
                        const std::vector<std::filesystem::path>& kept) {
    std::error_code error;
    std::vector<std::filesystem::path> stale;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
        if (!IsOneOf(it->path(), kept)) {
            stale.push_back(it->path());
        }
    }
    for (const auto& path : stale) {
        std::filesystem::remove_all(path, error);
    }
}

// A folder (or anything else but a file) where a macro file goes would block that save, and every
// later one, for good; it holds no macro of ours.
void ClearWayFor(const std::filesystem::path& file) {
    std::error_code error;
    const auto status = std::filesystem::symlink_status(file, error);
    if (!error && std::filesystem::exists(status) && !std::filesystem::is_regular_file(status)) {
        std::filesystem::remove_all(file, error);
    }
}

std::unique_ptr<CMacro> LoadMacroFile(const std::filesystem::path& path) {
    DataStream stream;
    if (!stream.LoadFromFile(path)) {
        return nullptr;
    }
    auto macro = DecodeMacroFile(stream.bytes());
    if (!macro) {
        return nullptr;
    }
    return std::make_unique<CMacro>(std::move(*macro));
}

}  // namespace

MacroFileWriter AtomicMacroFileWriter() {
    return [](const std::filesystem::path& path, std::span<const std::uint8_t> bytes) {
        return WriteFileAtomically(path, bytes);
    };
}

std::optional<std::vector<std::u16string>> AssignMacroFileStems(
    std::span<const std::unique_ptr<CMacro>> macros, bool& renamed) {
    renamed = false;
    std::set<std::u16string> taken;
    std::vector<std::u16string> stems;
    stems.reserve(macros.size());
    for (const auto& macro : macros) {
        std::u16string stem = MacroFileStem(macro->name);
        // Each round lengthens the name, so plain stems are new every time and at most one round
        // per earlier macro can clash; the bound only matters for cut names ending in a hash.
        for (std::size_t round = 0; taken.contains(FoldFileNameCase(stem)); ++round) {
            if (round > macros.size()) {
                return std::nullopt;
            }
            macro->name += u'1';
            stem = MacroFileStem(macro->name);
            renamed = true;
        }
        taken.insert(FoldFileNameCase(stem));
        stems.push_back(std::move(stem));
    }
    return stems;
}

FileWriteResult SaveMacroFolder(const std::filesystem::path& folder,
                                std::span<const std::unique_ptr<CMacro>> macros, bool& renamed,
                                const MacroFileWriter& write) {
    renamed = false;
    if (folder.native().size() < kShortestFolderPath) {
        return FileWriteResult::Failure("no macro folder");
    }
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (!std::filesystem::is_directory(folder, error)) {
        return FileWriteResult::Failure("cannot create the macro folder " + folder.string());
    }
    const auto stems = AssignMacroFileStems(macros, renamed);
    if (!stems) {
        return FileWriteResult::Failure("no free file name for a macro");
    }

    std::vector<std::filesystem::path> written;
    std::vector<std::u16string> listEntries;
    for (std::size_t i = 0; i < macros.size(); ++i) {
        const std::filesystem::path path = MacroFilePath(folder, (*stems)[i]);
        ClearWayFor(path);
        if (auto result = write(path, EncodeMacroFile(*macros[i])); !result) {
            return result;
        }
        written.push_back(path);
        listEntries.push_back(Utf16FromPath(path));
    }
    const std::filesystem::path listPath = folder / PathFromUtf16(kMacroListFileName);
    ClearWayFor(listPath);
    if (auto result = write(listPath, EncodeMacroList(listEntries)); !result) {
        return result;
    }
    written.push_back(listPath);

    RemoveStaleEntries(folder, written);
    return FileWriteResult::Success();
}

MacroFolderContents LoadMacroFolder(const std::filesystem::path& folder) {
    MacroFolderContents contents;
    DataStream list;
    if (folder.empty() || !list.LoadFromFile(folder / PathFromUtf16(kMacroListFileName))) {
        return contents;
    }
    std::set<std::u16string> seen;
    for (const std::u16string& entry : DecodeMacroList(list.bytes())) {
        const auto fileName = ListEntryFileName(entry);
        // A file named twice would come back as two macros with one id.
        if (!fileName || !seen.insert(FoldFileNameCase(*fileName)).second) {
            ++contents.skipped;
            continue;
        }
        auto macro = LoadMacroFile(folder / PathFromUtf16(*fileName));
        if (!macro) {
            ++contents.skipped;
            continue;
        }
        contents.macros.push_back(std::move(macro));
    }
    return contents;
}

}  // namespace orvex
