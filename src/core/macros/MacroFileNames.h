#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace orvex {

inline constexpr std::u16string_view kMacroFileExtension = u".macro";
inline constexpr std::u16string_view kMacroListFileName = u"macroList.dat";

// The stem of a macro's file name. A macro is named by the user (or by a file), and a name is not
// a safe file name: separators, ":", control characters, the other characters Windows forbids and
// lone surrogates become "_"; an empty name becomes "_"; Windows device names (CON, NUL, COM1 ...)
// get a leading "_"; a name longer than a file name may be is cut and ends in "~" and a hash of
// the whole name, so that names alike up to the cut still differ. A plain name is its own stem.
std::u16string MacroFileStem(std::u16string_view macroName);

// The form in which two file names are compared: letters folded to upper case (ASCII, Latin-1,
// Greek and Cyrillic), because the macro folder may be on a case-insensitive file system.
std::u16string FoldFileNameCase(std::u16string_view fileName);

// The file name part of a macro-list entry (after its last "/" or "\"), or none when it has none
// that is safe to open inside the macro folder ("", ".", "..", or a character that a saved stem
// never holds, such as ":" or a control character).
std::optional<std::u16string> ListEntryFileName(std::u16string_view entry);

// The path as the UTF-16 text that "macroList.dat" stores (the other way: PathFromUtf16).
std::u16string Utf16FromPath(const std::filesystem::path& path);

}  // namespace orvex
