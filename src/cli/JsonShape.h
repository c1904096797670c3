#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace orvex::cli {

// Limits a profile document never comes near (it nests five levels and holds a few thousand
// values even with long macros). Past them a document is hostile or broken, and building it would
// take memory out of all proportion to its file: four megabytes of "[" nest four million levels.
inline constexpr std::size_t kMaxJsonDepth = 32;
inline constexpr std::size_t kMaxJsonValues = 250'000;

// Why `text` cannot be a profile document, naming the byte where it went past a limit; nothing
// when it stays within them. Only the nesting and the number of values are looked at: strings are
// skipped with their escapes, and the syntax itself is left to the parser.
std::optional<std::string> JsonShapeProblem(std::string_view text);

}  // namespace orvex::cli
