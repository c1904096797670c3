#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/macros/CMacro.h"

namespace orvex {

// Bytes per event in a macro file: type, code, release, delay, row rectangle, selected, serial.
inline constexpr std::size_t kMacroFileEventSize = 32;

// A ".macro" file: name, id, area, event count, then the events. No magic number or version.
std::vector<std::uint8_t> EncodeMacroFile(const CMacro& macro);

// The macro in the bytes, or none when they end before the fields or the events their count
// promises. A count of 0 or below means no events. Bytes after the last event are ignored.
std::optional<CMacro> DecodeMacroFile(std::span<const std::uint8_t> bytes);

// "macroList.dat": a count, then one path string per macro in list order.
std::vector<std::uint8_t> EncodeMacroList(const std::vector<std::u16string>& paths);

// The paths in list order. A list that ends early yields the entries that were complete; a count
// of 0 or below yields none.
std::vector<std::u16string> DecodeMacroList(std::span<const std::uint8_t> bytes);

}  // namespace orvex
