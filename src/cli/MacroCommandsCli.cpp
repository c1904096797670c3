#include "cli/MacroCommandsCli.h"

#include <charconv>
#include <optional>

#include "cli/ExitCode.h"
#include "core/macros/EventText.h"
#include "core/macros/MacroList.h"
#include "core/text/Utf.h"

namespace orvex::cli {
namespace {

void LoadInto(MacroList& list, const std::filesystem::path& macroFolder, std::ostream& warnings) {
    list.SetMacroFolder(macroFolder);
    const std::size_t skipped = list.LoadMacroList();
    if (skipped > 0) {
        warnings << skipped << " macro file(s) could not be read and were skipped\n";
    }
}

std::optional<std::int32_t> ParseId(const std::string& text) {
    std::int32_t id = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), id);
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return id;
}

const CMacro* FindByIdOrName(const MacroList& list, const std::string& nameOrId) {
    if (const auto id = ParseId(nameOrId)) {
        for (const auto& macro : list.Macros()) {
            if (macro->id == *id) {
                return macro.get();
            }
        }
    }
    const std::u16string name = FromUtf8(nameOrId);
    for (const auto& macro : list.Macros()) {
        if (macro->name == name) {
            return macro.get();
        }
    }
    return nullptr;
}

std::string EventLine(const CEventItem& event) {
    const EventRowText row = EventText(event.code, event.release);
    std::string text = ToUtf8(row.text);
    if (!row.isMouseEvent) {
        if (text.empty()) {
            text = "key " + std::to_string(event.code);
        }
        text += event.release ? " (up)" : " (down)";
    }
    return ToUtf8(DelayText(event.delay)) + "  " + text;
}

}  // namespace

void ListMacros(const std::filesystem::path& macroFolder, std::ostream& out) {
    MacroList list;
    LoadInto(list, macroFolder, out);
    for (const auto& macro : list.Macros()) {
        out << macro->id << '\t' << ToUtf8(macro->name) << '\t' << macro->events.size()
            << " events\n";
    }
}

void ShowMacro(const std::filesystem::path& macroFolder, const std::string& nameOrId,
               std::ostream& out) {
    MacroList list;
    LoadInto(list, macroFolder, out);
    const CMacro* macro = FindByIdOrName(list, nameOrId);
    if (!macro) {
        throw CliError(ExitCode::UsageOrInput,
                       "no macro '" + nameOrId + "' in " + macroFolder.string());
    }
    out << "id: " << macro->id << "\nname: " << ToUtf8(macro->name) << '\n';
    for (const CEventItem& event : macro->events) {
        out << "  " << EventLine(event) << '\n';
    }
}

}  // namespace orvex::cli
