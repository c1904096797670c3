#pragma once

#include <filesystem>
#include <ostream>
#include <string>

#include "cli/OutputFormat.h"

namespace orvex::cli {

// The macros of a macro folder: one line each with id, name and number of events.
void ListMacros(const std::filesystem::path& macroFolder, OutputFormat format, std::ostream& out);

// One macro, found by id or else by name, with its events as the macro page lists them.
void ShowMacro(const std::filesystem::path& macroFolder, const std::string& nameOrId,
               OutputFormat format, std::ostream& out);

}  // namespace orvex::cli
