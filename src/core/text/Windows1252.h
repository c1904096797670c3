#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace orvex {

// The text in the Windows-1252 code page, one byte per character; a character the code page lacks
// (a surrogate pair counts as one character) becomes "?". No best-fit substitutes: what the mouse
// shows should never be a different letter than the user typed.
std::vector<std::uint8_t> ToWindows1252(std::u16string_view text);

}  // namespace orvex
