#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace orvex {

// The files hold UTF-16 text; the rest of the program (paths, the command line) speaks UTF-8.
// Malformed input (a lone surrogate, a broken UTF-8 sequence) becomes U+FFFD.
std::string ToUtf8(std::u16string_view text);
std::u16string FromUtf8(std::string_view text);

// A path from UTF-16 text, right on every platform (a plain narrow string would be taken in the
// Windows code page there).
std::filesystem::path PathFromUtf16(std::u16string_view text);

}  // namespace orvex
