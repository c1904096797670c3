#pragma once

#include <nlohmann/json.hpp>
#include <ostream>

namespace orvex::cli {

// How a command reports its result: sentences for people, or one JSON object for scripts. The
// JSON keys are part of orvexctl's interface (the README lists them): add keys, never rename.
enum class OutputFormat { Text, Json };

// One JSON document, indented, on its own lines.
inline void PrintJson(std::ostream& out, const nlohmann::ordered_json& document) {
    out << document.dump(2) << '\n';
}

}  // namespace orvex::cli
