#include "cli/MacroCommandsCli.h"

#include <charconv>
#include <optional>

#include "cli/ExitCode.h"
#include "core/macros/EventText.h"
#include "core/macros/MacroList.h"
#include "core/text/Utf.h"

namespace orvex::cli {
namespace {

// Loads the folder; returns how many macro files could not be read (and were skipped).
std::size_t LoadInto(MacroList& list, const std::filesystem::path& macroFolder) {
    list.SetMacroFolder(macroFolder);
    return list.LoadMacroList();
}

void TellSkipped(std::size_t skipped, std::ostream& out) {
    if (skipped > 0) {
        out << skipped << " macro file(s) could not be read and were skipped\n";
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

// What the macro page shows for an event: a mouse event's name, or a key's name with its direction.
std::string EventName(const CEventItem& event) {
    const EventRowText row = EventText(event.code, event.release);
    std::string text = ToUtf8(row.text);
    if (!row.isMouseEvent) {
        if (text.empty()) {
            text = "key " + std::to_string(event.code);
        }
        text += event.release ? " (up)" : " (down)";
    }
    return text;
}

nlohmann::ordered_json EventJson(const CEventItem& event) {
    return {{"type", event.type},
            {"code", event.code},
            {"release", event.release != kEventPress},
            {"delay", event.delay},
            {"text", EventName(event)}};
}

}  // namespace

void ListMacros(const std::filesystem::path& macroFolder, OutputFormat format, std::ostream& out) {
    MacroList list;
    const std::size_t skipped = LoadInto(list, macroFolder);
    if (format == OutputFormat::Json) {
        nlohmann::ordered_json macros = nlohmann::ordered_json::array();
        for (const auto& macro : list.Macros()) {
            macros.push_back({{"id", macro->id},
                              {"name", ToUtf8(macro->name)},
                              {"eventCount", macro->events.size()}});
        }
        PrintJson(out, {{"macros", macros}, {"unreadableFiles", skipped}});
        return;
    }
    TellSkipped(skipped, out);
    for (const auto& macro : list.Macros()) {
        out << macro->id << '\t' << ToUtf8(macro->name) << '\t' << macro->events.size()
            << " events\n";
    }
}

void ShowMacro(const std::filesystem::path& macroFolder, const std::string& nameOrId,
               OutputFormat format, std::ostream& out) {
    MacroList list;
    const std::size_t skipped = LoadInto(list, macroFolder);
    const CMacro* macro = FindByIdOrName(list, nameOrId);
    if (!macro) {
        throw CliError(ExitCode::UsageOrInput,
                       "no macro '" + nameOrId + "' in " + macroFolder.string());
    }
    if (format == OutputFormat::Json) {
        nlohmann::ordered_json events = nlohmann::ordered_json::array();
        for (const CEventItem& event : macro->events) {
            events.push_back(EventJson(event));
        }
        PrintJson(out, {{"id", macro->id}, {"name", ToUtf8(macro->name)}, {"events", events}});
        return;
    }
    TellSkipped(skipped, out);
    out << "id: " << macro->id << "\nname: " << ToUtf8(macro->name) << '\n';
    for (const CEventItem& event : macro->events) {
        out << "  " << ToUtf8(DelayText(event.delay)) << "  " << EventName(event) << '\n';
    }
}

}  // namespace orvex::cli
