#include "core/macros/MacroFolder.h"

#include <algorithm>
#include <map>
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

struct ListedMacro {
    std::u16string foldedFileName;
    std::unique_ptr<CMacro> macro;
};

// The macros the folder's list names, each with its file's name; `skipped` counts the entries
// that cannot be read.
std::vector<ListedMacro> ReadListedMacros(const std::filesystem::path& folder,
                                          std::size_t& skipped) {
    skipped = 0;
    std::vector<ListedMacro> listed;
    DataStream list;
    if (folder.empty() || !list.LoadFromFile(folder / PathFromUtf16(kMacroListFileName))) {
        return listed;
    }
    std::set<std::u16string> seen;
    for (const std::u16string& entry : DecodeMacroList(list.bytes())) {
        const auto fileName = ListEntryFileName(entry);
        // A file named twice would come back as two macros with one id.
        if (!fileName || !seen.insert(FoldFileNameCase(*fileName)).second) {
            ++skipped;
            continue;
        }
        auto macro = LoadMacroFile(folder / PathFromUtf16(*fileName));
        if (!macro) {
            ++skipped;
            continue;
        }
        listed.push_back({FoldFileNameCase(*fileName), std::move(macro)});
    }
    return listed;
}

std::u16string FoldedFileName(const std::filesystem::path& path) {
    return FoldFileNameCase(Utf16FromPath(path.filename()));
}

// Which macro each file named by the folder's list holds, by its folded file name.
std::map<std::u16string, std::int32_t> ListedMacroIds(const std::filesystem::path& folder) {
    std::size_t skipped = 0;
    std::map<std::u16string, std::int32_t> ids;
    for (const ListedMacro& listed : ReadListedMacros(folder, skipped)) {
        ids.emplace(listed.foldedFileName, listed.macro->id);
    }
    return ids;
}

// A file name for a macro's contents while its own file still holds another macro, free of every
// name the old list or the new files use.
std::filesystem::path StagingPath(const std::filesystem::path& folder,
                                  std::set<std::u16string>& namesInUse) {
    for (std::size_t n = 1;; ++n) {
        std::u16string fileName = u"staged~";
        for (const char digit : std::to_string(n)) {
            fileName.push_back(static_cast<char16_t>(digit));
        }
        fileName += kMacroFileExtension;
        if (namesInUse.insert(FoldFileNameCase(fileName)).second) {
            return folder / PathFromUtf16(fileName);
        }
    }
}

FileWriteResult WriteMacroList(const std::filesystem::path& listPath,
                               const std::vector<std::filesystem::path>& files,
                               const MacroFileWriter& write) {
    std::vector<std::u16string> entries;
    entries.reserve(files.size());
    for (const auto& file : files) {
        entries.push_back(Utf16FromPath(file));
    }
    ClearWayFor(listPath);
    return write(listPath, EncodeMacroList(entries));
}

FileWriteResult WriteMacroFile(const std::filesystem::path& path, const CMacro& macro,
                               const MacroFileWriter& write) {
    ClearWayFor(path);
    return write(path, EncodeMacroFile(macro));
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

    const std::map<std::u16string, std::int32_t> listedIds = ListedMacroIds(folder);
    std::set<std::u16string> namesInUse{FoldFileNameCase(kMacroListFileName)};
    for (const auto& [name, id] : listedIds) {
        namesInUse.insert(name);
    }
    std::vector<std::filesystem::path> paths;
    for (const std::u16string& stem : *stems) {
        paths.push_back(MacroFilePath(folder, stem));
        namesInUse.insert(FoldedFileName(paths.back()));
    }

    // A macro whose file the old list names for another macro (a name given up by a deleted
    // macro and taken by a new one, or files swapped by hand) cannot be written there at once:
    // the old list would load it in the other's stead and lose that one. It goes to a staging
    // file first, named by an interim list, so every list on disk always names files that hold
    // the macros it named.
    std::vector<bool> heldByOther(macros.size(), false);
    std::vector<std::filesystem::path> interim = paths;
    for (std::size_t i = 0; i < macros.size(); ++i) {
        const auto listed = listedIds.find(FoldedFileName(paths[i]));
        heldByOther[i] = listed != listedIds.end() && listed->second != macros[i]->id;
        if (heldByOther[i]) {
            interim[i] = StagingPath(folder, namesInUse);
        }
        if (auto result = WriteMacroFile(interim[i], *macros[i], write); !result) {
            return result;
        }
    }
    const std::filesystem::path listPath = folder / PathFromUtf16(kMacroListFileName);
    if (interim != paths) {
        if (auto result = WriteMacroList(listPath, interim, write); !result) {
            return result;
        }
        for (std::size_t i = 0; i < macros.size(); ++i) {
            if (auto result = heldByOther[i] ? WriteMacroFile(paths[i], *macros[i], write)
                                             : FileWriteResult::Success();
                !result) {
                return result;
            }
        }
    }
    if (auto result = WriteMacroList(listPath, paths, write); !result) {
        return result;
    }
    paths.push_back(listPath);
    RemoveStaleEntries(folder, paths);
    return FileWriteResult::Success();
}

MacroFolderContents LoadMacroFolder(const std::filesystem::path& folder) {
    MacroFolderContents contents;
    for (ListedMacro& listed : ReadListedMacros(folder, contents.skipped)) {
        contents.macros.push_back(std::move(listed.macro));
    }
    return contents;
}

}  // namespace orvex
