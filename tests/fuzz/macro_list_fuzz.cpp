// "macroList.dat" names the macro files by full path. Whatever it holds, the loader may only ever
// open a plain file name inside the macro folder.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <span>

#include "core/macros/MacroFileFormat.h"
#include "core/macros/MacroFileNames.h"
#include "core/text/Utf.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::filesystem::path folder = "/macro-folder";
    const auto entries = orvex::DecodeMacroList(std::span<const std::uint8_t>(data, size));
    for (const std::u16string& entry : entries) {
        const auto fileName = orvex::ListEntryFileName(entry);
        if (!fileName) {
            continue;
        }
        const std::filesystem::path file = orvex::PathFromUtf16(*fileName);
        if (file.has_root_path() || file.has_parent_path() || file == "." || file == ".." ||
            (folder / file).parent_path() != folder) {
            std::abort();
        }
    }
    if (orvex::DecodeMacroList(orvex::EncodeMacroList(entries)) != entries) {
        std::abort();
    }
    return 0;
}
