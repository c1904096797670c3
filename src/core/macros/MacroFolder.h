#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "core/macros/CMacro.h"
#include "core/profiles/FileWrite.h"

namespace orvex {

// Writes one whole file; the default replaces it atomically. Tests inject failures through it.
using MacroFileWriter =
    std::function<FileWriteResult(const std::filesystem::path&, std::span<const std::uint8_t>)>;

MacroFileWriter AtomicMacroFileWriter();

// Gives every macro the stem of its file, in list order. A stem already taken by an earlier macro
// of the list (compared without letter case, so 'Macro' and 'macro' clash) makes the later macro's
// name grow by "1" until its stem is free: the macro is renamed, as the folder can hold only one
// of them. Returns the stems, or none in the practically impossible case that no free stem turns
// up; `renamed` tells whether any name changed.
std::optional<std::vector<std::u16string>> AssignMacroFileStems(
    std::span<const std::unique_ptr<CMacro>> macros, bool& renamed);

// Rewrites the macro folder: one ".macro" file per macro and "macroList.dat" naming them in list
// order. The new files are written first, each atomically (one whose name the old list gives to
// another macro through a staging file and an interim list); only when the list naming them is in
// place is everything else in the folder (files of deleted macros, strays, temporary files left by
// an interrupted save, subfolders) removed. A failure or a kill on the way leaves a list whose
// every file holds the macro it named, each in its old or its new version, so no macro is lost
// and none comes back twice. A folder path
// shorter than 4 characters means no folder: nothing is written.
FileWriteResult SaveMacroFolder(const std::filesystem::path& folder,
                                std::span<const std::unique_ptr<CMacro>> macros, bool& renamed,
                                const MacroFileWriter& write);

struct MacroFolderContents {
    std::vector<std::unique_ptr<CMacro>> macros;  // in list order
    std::size_t skipped = 0;  // list entries whose file was unsafe, repeated, missing or damaged
};

// Reads the macros that "macroList.dat" names. Each entry is read by its file name inside
// `folder`, whatever folder the entry names, so a list can never pull in a file from elsewhere
// and a moved folder keeps working. An entry that cannot be read is skipped; the others load.
MacroFolderContents LoadMacroFolder(const std::filesystem::path& folder);

}  // namespace orvex
