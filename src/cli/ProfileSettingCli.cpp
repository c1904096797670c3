#include "cli/ProfileSettingCli.h"

#include <charconv>
#include <limits>
#include <nlohmann/json.hpp>
#include <optional>
#include <string_view>

#include "cli/ExitCode.h"
#include "cli/ProfileJson.h"
#include "core/profiles/ProfileFile.h"

namespace orvex::cli {
namespace {

using nlohmann::ordered_json;

[[noreturn]] void Refuse(const std::string& key, const std::string& problem) {
    throw CliError(ExitCode::UsageOrInput, "'" + key + "': " + problem);
}

bool IsKeyCharacter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

// "buttons[3].code" -> "/buttons/3/code": names separated by dots, each followed by any number
// of [index].
ordered_json::json_pointer PointerOfKey(const std::string& key) {
    std::string pointer;
    std::size_t at = 0;
    while (at < key.size()) {
        const std::size_t nameStart = at;
        while (at < key.size() && IsKeyCharacter(key[at])) {
            ++at;
        }
        if (at == nameStart) {
            Refuse(key, "not a setting's key (for example lightingEffect or buttons[3].code)");
        }
        pointer += "/" + key.substr(nameStart, at - nameStart);
        while (at < key.size() && key[at] == '[') {
            const std::size_t close = key.find(']', at);
            const std::string index =
                key.substr(at + 1, close == std::string::npos ? 0 : close - at - 1);
            if (close == std::string::npos || index.empty() ||
                index.find_first_not_of("0123456789") != std::string::npos) {
                Refuse(key, "an index is a number in brackets, as in buttons[3]");
            }
            pointer += "/" + index;
            at = close + 1;
        }
        if (at < key.size() && key[at] != '.') {
            Refuse(key, "not a setting's key (for example lightingEffect or buttons[3].code)");
        }
        if (at < key.size()) {
            ++at;
        }
    }
    return ordered_json::json_pointer(pointer);
}

// The setting's current value in the profile's JSON form; refuses a key the profile lacks.
const ordered_json& SettingAt(const ordered_json& document, const std::string& key) {
    const auto pointer = PointerOfKey(key);
    if (!document.contains(pointer)) {
        Refuse(key, "no such setting (orvexctl profile to-json lists them)");
    }
    return document.at(pointer);
}

std::string ScalarText(const ordered_json& value) {
    return value.is_string() ? value.get<std::string>() : value.dump();
}

bool IsListOfScalars(const ordered_json& value) {
    if (!value.is_array()) {
        return false;
    }
    for (const auto& item : value) {
        if (item.is_structured()) {
            return false;
        }
    }
    return true;
}

std::string JoinScalars(const ordered_json& list, char separator) {
    std::string text;
    for (const auto& item : list) {
        text += (text.empty() ? "" : std::string(1, separator)) + ScalarText(item);
    }
    return text;
}

std::string SettingText(const ordered_json& value) {
    if (!value.is_structured()) {
        return ScalarText(value);
    }
    if (IsListOfScalars(value)) {
        return JoinScalars(value, ' ');
    }
    bool listOfPairs = value.is_array();
    for (const auto& item : value) {
        listOfPairs = listOfPairs && IsListOfScalars(item);
    }
    if (listOfPairs) {
        std::string text;
        for (const auto& item : value) {
            text += (text.empty() ? "" : " ") + JoinScalars(item, ',');
        }
        return text;
    }
    return value.dump();
}

// A whole number, decimal or with 0x in hex (colours read better that way). Its range is checked
// later, by the field it goes into.
std::optional<long long> ParseInteger(std::string_view text) {
    int base = 10;
    bool negative = false;
    if (!text.empty() && text.front() == '-') {
        negative = true;
        text.remove_prefix(1);
    }
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text.remove_prefix(2);
    }
    unsigned long long magnitude = 0;
    const auto [end, error] =
        std::from_chars(text.data(), text.data() + text.size(), magnitude, base);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() ||
        magnitude > static_cast<unsigned long long>(std::numeric_limits<long long>::max())) {
        return std::nullopt;
    }
    const auto value = static_cast<long long>(magnitude);
    return negative ? -value : value;
}

ordered_json ParseJsonText(const std::string& key, const std::string& text) {
    try {
        return ordered_json::parse(text);
    } catch (const nlohmann::json::parse_error&) {
        Refuse(key, "'" + text + "' is not valid JSON");
    }
}

// One value written the way `profile get` prints a value shaped like `shape`.
ordered_json ValueLike(const ordered_json& shape, const std::string& key, const std::string& text) {
    if (shape.is_string()) {
        return text;
    }
    if (shape.is_number()) {
        const auto number = ParseInteger(text);
        if (!number) {
            Refuse(key, "'" + text + "' is not a whole number");
        }
        return *number;
    }
    if (IsListOfScalars(shape) && !shape.empty() && text.find(',') != std::string::npos) {
        ordered_json items = ordered_json::array();
        std::size_t start = 0;
        for (std::size_t comma = text.find(','); start <= text.size();
             comma = text.find(',', start)) {
            const std::size_t end = comma == std::string::npos ? text.size() : comma;
            items.push_back(ValueLike(shape.front(), key, text.substr(start, end - start)));
            start = end + 1;
        }
        return items;
    }
    return ParseJsonText(key, text);
}

ordered_json NewValue(const ordered_json& current, const std::string& key,
                      const std::vector<std::string>& values) {
    if (!current.is_array()) {
        if (values.size() != 1) {
            Refuse(key, "takes one value, got " + std::to_string(values.size()));
        }
        return ValueLike(current, key, values.front());
    }
    // A list: one JSON list replaces it whole, a pair may come as "x,y", and otherwise each value
    // is an item. An empty list shows no item's shape: its items are written as JSON.
    if (values.size() == 1 && values.front().starts_with('[')) {
        return ParseJsonText(key, values.front());
    }
    if (values.size() == 1 && IsListOfScalars(current) &&
        values.front().find(',') != std::string::npos) {
        return ValueLike(current, key, values.front());
    }
    const ordered_json itemShape = current.empty() ? ordered_json::object() : current.front();
    ordered_json items = ordered_json::array();
    for (const std::string& text : values) {
        items.push_back(ValueLike(itemShape, key, text));
    }
    return items;
}

}  // namespace

void PrintProfileSetting(const ProfileArgument& profile, const std::string& key,
                         std::ostream& out) {
    const ordered_json document = ProfileToJson(LoadProfileArgument(profile));
    out << SettingText(SettingAt(document, key)) << '\n';
}

void ChangeProfileSetting(const ProfileArgument& profile, const std::string& key,
                          const std::vector<std::string>& values) {
    ProfileRecord record = LoadProfileArgument(profile);
    ordered_json document = ProfileToJson(record);
    const ordered_json value = NewValue(SettingAt(document, key), key, values);
    document[PointerOfKey(key)] = value;
    // The record is rebuilt from the changed JSON, so a value goes through from-json's checks.
    ProfileRecord changed = ProfileFromJson(nlohmann::json(document));
    changed.filePath = record.filePath;
    const FileWriteResult saved = SaveProfile(changed, profile.path);
    if (!saved) {
        throw CliError(ExitCode::UsageOrInput, profile.path.string() + ": " + saved.error);
    }
}

}  // namespace orvex::cli
