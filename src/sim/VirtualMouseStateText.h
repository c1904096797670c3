#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "sim/VirtualMouseState.h"

namespace orvex::sim {

// The state file's text: a header line "orvex-virtual-mouse 1", then one "key value" line per
// field, images and reply data as hex. Keys may come in any order; a missing key keeps its default,
// so a hand-written file can name just the faults it wants. Blank lines and lines starting with '#'
// are skipped.
inline constexpr std::string_view kStateHeader = "orvex-virtual-mouse";
inline constexpr int kStateVersion = 1;

// Limits for the untrusted text: a saved state is about 21 KB and its longest line (an image)
// about 4.1 KB.
inline constexpr std::size_t kMaxStateTextSize = 64 * 1024;
inline constexpr std::size_t kMaxStateLineLength = 4200;

struct StateParseResult {
    std::optional<VirtualMouseState> state;  // empty when the text was rejected
    std::string error;                       // why, with the line number
};

std::string FormatMouseState(const VirtualMouseState& state);
StateParseResult ParseMouseState(std::string_view text);

}  // namespace orvex::sim
