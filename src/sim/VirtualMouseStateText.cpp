#include "sim/VirtualMouseStateText.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <functional>
#include <set>
#include <span>
#include <type_traits>
#include <vector>

namespace orvex::sim {
namespace {

constexpr std::array kHidErrors{
    HidError::None,       HidError::NotReady,         HidError::Crc,
    HidError::WriteFault, HidError::InvalidParameter, HidError::FunctionFailed,
    HidError::NoDevice,   HidError::AccessDenied,     HidError::Other,
};

// A field's value as text, and back; the parser returns an error text or nothing.
using FieldFormatter = std::function<std::string(const VirtualMouseState&)>;
using FieldParser = std::function<std::optional<std::string>(std::string_view, VirtualMouseState&)>;

struct Field {
    std::string key;
    FieldFormatter format;
    FieldParser parse;
};

std::optional<std::uint32_t> ParseUnsigned(std::string_view text, std::uint32_t max) {
    if (text.empty() || text.size() > 10 ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return std::nullopt;
    }
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || value > max) {
        return std::nullopt;
    }
    return static_cast<std::uint32_t>(value);
}

std::string OutOfRange(std::uint32_t max) {
    return "expected a whole number from 0 to " + std::to_string(max);
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

std::string ToHex(std::span<const std::uint8_t> bytes) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string text;
    text.reserve(bytes.size() * 2);
    for (const std::uint8_t byte : bytes) {
        text += kDigits[byte >> 4];
        text += kDigits[byte & 0x0F];
    }
    return text;
}

std::optional<std::string> FromHex(std::string_view text, std::span<std::uint8_t> bytes) {
    if (text.size() != bytes.size() * 2) {
        return "expected " + std::to_string(bytes.size() * 2) + " hex digits, found " +
               std::to_string(text.size()) + " characters";
    }
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const int high = HexDigit(text[2 * i]);
        const int low = HexDigit(text[2 * i + 1]);
        if (high < 0 || low < 0) {
            return "not a hex digit at position " + std::to_string(2 * i + (high < 0 ? 1 : 2));
        }
        bytes[i] = static_cast<std::uint8_t>(high << 4 | low);
    }
    return std::nullopt;
}

// Fields are reached through generic accessors, `[](auto& state) -> auto& { ... }`, which serve
// the formatter with a const state and the parser with a mutable one.
template <typename Access>
Field NumberField(std::string key, Access access, std::uint32_t max) {
    return {std::move(key),
            [access](const VirtualMouseState& state) { return std::to_string(access(state)); },
            [access, max](std::string_view text,
                          VirtualMouseState& state) -> std::optional<std::string> {
                const auto value = ParseUnsigned(text, max);
                if (!value) {
                    return OutOfRange(max);
                }
                auto& target = access(state);
                target = static_cast<std::remove_reference_t<decltype(target)>>(*value);
                return std::nullopt;
            }};
}

template <typename Access>
Field FlagField(std::string key, Access access) {
    return {
        std::move(key),
        [access](const VirtualMouseState& state) { return std::string(access(state) ? "1" : "0"); },
        [access](std::string_view text, VirtualMouseState& state) -> std::optional<std::string> {
            if (text != "0" && text != "1") {
                return "expected 0 or 1";
            }
            access(state) = text == "1";
            return std::nullopt;
        }};
}

std::optional<std::string> ParseHidError(std::string_view text, HidError& error) {
    for (const HidError candidate : kHidErrors) {
        if (text == HidErrorName(candidate)) {
            error = candidate;
            return std::nullopt;
        }
    }
    return "unknown error class";
}

std::string FormatReportId(const std::optional<std::uint8_t>& reportId) {
    if (!reportId) {
        return "any";
    }
    return "0x" + ToHex(std::span<const std::uint8_t>(&*reportId, 1));
}

std::optional<std::string> ParseReportId(std::string_view text,
                                         std::optional<std::uint8_t>& reportId) {
    if (text == "any") {
        reportId.reset();
        return std::nullopt;
    }
    std::uint8_t value = 0;
    if (text.size() != 4 || text.substr(0, 2) != "0x" ||
        FromHex(text.substr(2), std::span<std::uint8_t>(&value, 1))) {
        return "expected any or a report id such as 0x60";
    }
    reportId = value;
    return std::nullopt;
}

template <typename Access>
void AddTransferFaultFields(std::vector<Field>& fields, const std::string& prefix, Access fault) {
    fields.push_back({prefix + "-error",
                      [fault](const VirtualMouseState& state) {
                          return std::string(HidErrorName(fault(state).error));
                      },
                      [fault](std::string_view text, VirtualMouseState& state) {
                          return ParseHidError(text, fault(state).error);
                      }});
    fields.push_back(
        {prefix + "-repeat",
         [fault](const VirtualMouseState& state) {
             return std::string(fault(state).repeat == FaultRepeat::Always ? "always" : "once");
         },
         [fault](std::string_view text, VirtualMouseState& state) -> std::optional<std::string> {
             if (text != "once" && text != "always") {
                 return "expected once or always";
             }
             fault(state).repeat = text == "always" ? FaultRepeat::Always : FaultRepeat::Once;
             return std::nullopt;
         }});
    fields.push_back(
        {prefix + "-report",
         [fault](const VirtualMouseState& state) { return FormatReportId(fault(state).reportId); },
         [fault](std::string_view text, VirtualMouseState& state) {
             return ParseReportId(text, fault(state).reportId);
         }});
}

Field HexField(std::string key,
               std::function<std::span<const std::uint8_t>(const VirtualMouseState&)> read,
               std::function<std::span<std::uint8_t>(VirtualMouseState&)> write) {
    return {std::move(key), [read](const VirtualMouseState& state) { return ToHex(read(state)); },
            [write](std::string_view text, VirtualMouseState& state) {
                return FromHex(text, write(state));
            }};
}

std::vector<Field> BuildFields() {
    std::vector<Field> fields;
    fields.push_back(NumberField(
        "firmware", [](auto& state) -> auto& { return state.firmwareVersion; }, 0xFFFF));
    fields.push_back(NumberField(
        "active-profile", [](auto& state) -> auto& { return state.activeProfile; },
        kProfileCount - 1));
    fields.push_back(NumberField(
        "lift-tested", [](auto& state) -> auto& { return state.testedLiftDistance; }, 0xFF));
    fields.push_back(NumberField(
        "lift-saved", [](auto& state) -> auto& { return state.savedLiftDistance; }, 0xFF));
    fields.push_back(FlagField(
        "surface-started", [](auto& state) -> auto& { return state.surfaceAnalysisStarted; }));
    fields.push_back(NumberField(
        "surface-quality", [](auto& state) -> auto& { return state.surfaceQuality; }, 0xFF));
    fields.push_back(FlagField(
        "unplugged", [](auto& state) -> auto& { return state.unplugged; }));
    fields.push_back(NumberField(
        "status", [](auto& state) -> auto& { return state.status; }, 0xFF));
    fields.push_back(HexField(
        "reply", [](const VirtualMouseState& state) { return std::span(state.reply); },
        [](VirtualMouseState& state) { return std::span(state.reply); }));

    fields.push_back(NumberField(
        "fault-busy-reads", [](auto& state) -> auto& { return state.faults.busyReads; },
        Faults::kMaxBusyReads));
    AddTransferFaultFields(
        fields, "fault-write", [](auto& state) -> auto& { return state.faults.failedWrite; });
    AddTransferFaultFields(
        fields, "fault-read", [](auto& state) -> auto& { return state.faults.failedRead; });
    fields.push_back(FlagField(
        "fault-never-done", [](auto& state) -> auto& { return state.faults.neverDone; }));
    fields.push_back(
        {"fault-active-reply",
         [](const VirtualMouseState& state) {
             const auto& reply = state.faults.activeProfileReply;
             return reply ? std::to_string(*reply) : std::string("none");
         },
         [](std::string_view text, VirtualMouseState& state) -> std::optional<std::string> {
             if (text == "none") {
                 state.faults.activeProfileReply.reset();
                 return std::nullopt;
             }
             const auto value = ParseUnsigned(text, 0xFF);
             if (!value) {
                 return "expected none or a whole number from 0 to 255";
             }
             state.faults.activeProfileReply = static_cast<std::uint8_t>(*value);
             return std::nullopt;
         }});

    for (std::size_t profile = 0; profile < kProfileCount; ++profile) {
        fields.push_back(HexField(
            "image-" + std::to_string(profile),
            [profile](const VirtualMouseState& state) { return std::span(state.images[profile]); },
            [profile](VirtualMouseState& state) { return std::span(state.images[profile]); }));
    }
    return fields;
}

const std::vector<Field>& Fields() {
    static const std::vector<Field> fields = BuildFields();
    return fields;
}

// Keys come from the file; keep what goes into a message short and printable.
std::string Printable(std::string_view text) {
    constexpr std::size_t kMaxShown = 40;
    std::string shown;
    for (const char c : text.substr(0, kMaxShown)) {
        shown += (c >= 0x20 && c < 0x7F) ? c : '?';
    }
    if (text.size() > kMaxShown) {
        shown += "...";
    }
    return shown;
}

StateParseResult Reject(std::size_t lineNumber, const std::string& why) {
    return {std::nullopt, "line " + std::to_string(lineNumber) + ": " + why};
}

std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        lines.push_back(line);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    return lines;
}

std::optional<std::string> CheckHeader(std::string_view line) {
    const std::string expected = std::string(kStateHeader) + ' ' + std::to_string(kStateVersion);
    if (line == expected) {
        return std::nullopt;
    }
    if (line.substr(0, kStateHeader.size() + 1) == std::string(kStateHeader) + ' ') {
        return "unsupported version '" + Printable(line.substr(kStateHeader.size() + 1)) +
               "' (this program reads version " + std::to_string(kStateVersion) + ")";
    }
    return "not a virtual mouse state file (expected the line '" + expected + "')";
}

}  // namespace

std::string FormatMouseState(const VirtualMouseState& state) {
    std::string text = std::string(kStateHeader) + ' ' + std::to_string(kStateVersion) + '\n';
    for (const Field& field : Fields()) {
        text += field.key + ' ' + field.format(state) + '\n';
    }
    return text;
}

StateParseResult ParseMouseState(std::string_view text) {
    if (text.size() > kMaxStateTextSize) {
        return {std::nullopt,
                "file too large (more than " + std::to_string(kMaxStateTextSize) + " bytes)"};
    }
    const std::vector<std::string_view> lines = SplitLines(text);
    if (lines.empty()) {
        return {std::nullopt, "file is empty"};
    }
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].size() > kMaxStateLineLength) {
            return Reject(i + 1, "line too long");
        }
    }
    if (const auto error = CheckHeader(lines[0])) {
        return Reject(1, *error);
    }

    VirtualMouseState state;
    std::set<std::string_view> seen;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        if (line.empty() || line.front() == '#') {
            continue;
        }
        const std::size_t space = line.find(' ');
        const std::string_view key = line.substr(0, space);
        const std::string_view value =
            space == std::string_view::npos ? std::string_view{} : line.substr(space + 1);
        const auto field =
            std::find_if(Fields().begin(), Fields().end(),
                         [&](const Field& candidate) { return candidate.key == key; });
        if (field == Fields().end()) {
            return Reject(i + 1, "unknown key '" + Printable(key) + "'");
        }
        if (!seen.insert(key).second) {
            return Reject(i + 1, "'" + field->key + "' given twice");
        }
        if (const auto error = field->parse(value, state)) {
            return Reject(i + 1, field->key + ": " + *error);
        }
    }
    return {state, {}};
}

}  // namespace orvex::sim
