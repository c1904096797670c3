#include "cli/ProfileJson.h"

#include <functional>
#include <limits>
#include <map>
#include <string>

#include "cli/ExitCode.h"
#include "core/text/Utf.h"

namespace orvex::cli {
namespace {

using nlohmann::json;
using nlohmann::ordered_json;

[[noreturn]] void Fail(const std::string& key, const std::string& problem) {
    throw CliError(ExitCode::UsageOrInput, "JSON key '" + key + "': " + problem);
}

template <typename T>
T ReadInteger(const json& value, const std::string& key) {
    if (!value.is_number_integer()) {
        Fail(key, "expected an integer");
    }
    constexpr long long kMin = std::numeric_limits<T>::min();
    constexpr long long kMax = std::numeric_limits<T>::max();
    // Integers beyond long long's range arrive as unsigned and are out of every field's range.
    const bool inRange =
        !(value.is_number_unsigned() &&
          value.get<unsigned long long>() > static_cast<unsigned long long>(kMax)) &&
        value.get<long long>() >= kMin && value.get<long long>() <= kMax;
    if (!inRange) {
        Fail(key,
             value.dump() + " is outside " + std::to_string(kMin) + ".." + std::to_string(kMax));
    }
    return static_cast<T>(value.get<long long>());
}

std::u16string ReadString(const json& value, const std::string& key) {
    if (!value.is_string()) {
        Fail(key, "expected a string");
    }
    return FromUtf8(value.get<std::string>());
}

const json& RequireArray(const json& value, const std::string& key, std::size_t size) {
    if (!value.is_array()) {
        Fail(key, "expected an array");
    }
    if (size != 0 && value.size() != size) {
        Fail(key, "expected " + std::to_string(size) + " entries, found " +
                      std::to_string(value.size()));
    }
    return value;
}

const json& RequireObject(const json& value, const std::string& key) {
    if (!value.is_object()) {
        Fail(key, "expected an object");
    }
    return value;
}

// Calls `read` for every member of `object`; a member without a reader is an unknown key.
template <typename Readers>
void ReadMembers(const json& object, const std::string& prefix, const Readers& readers) {
    for (const auto& [name, value] : object.items()) {
        const std::string key = prefix.empty() ? name : prefix + "." + name;
        const auto reader = readers.find(name);
        if (reader == readers.end()) {
            Fail(key, "unknown key");
        }
        reader->second(value, key);
    }
}

using Reader = std::function<void(const json&, const std::string&)>;

template <typename T>
Reader IntegerInto(T& field) {
    return
        [&field](const json& value, const std::string& key) { field = ReadInteger<T>(value, key); };
}

ordered_json EventToJson(const CMacroEvent& event) {
    return {{"type", event.type},
            {"code", event.code},
            {"release", event.release},
            {"delay", event.delay}};
}

ordered_json MacroToJson(const ProfileMacro& macro) {
    ordered_json events = ordered_json::array();
    for (const CMacroEvent& event : macro.events) {
        events.push_back(EventToJson(event));
    }
    return {{"id", macro.id}, {"name", ToUtf8(macro.name)}, {"events", events}};
}

CMacroEvent EventFromJson(const json& value, const std::string& key) {
    CMacroEvent event;
    const std::map<std::string, Reader> readers{
        {"type", IntegerInto(event.type)},
        {"code", IntegerInto(event.code)},
        {"release", IntegerInto(event.release)},
        {"delay", IntegerInto(event.delay)},
    };
    ReadMembers(RequireObject(value, key), key, readers);
    return event;
}

ProfileMacro MacroFromJson(const json& value, const std::string& key) {
    ProfileMacro macro;
    const std::map<std::string, Reader> readers{
        {"id", IntegerInto(macro.id)},
        {"name", [&](const json& v, const std::string& k) { macro.name = ReadString(v, k); }},
        {"events",
         [&](const json& v, const std::string& k) {
             RequireArray(v, k, 0);
             for (std::size_t i = 0; i < v.size(); ++i) {
                 macro.events.push_back(EventFromJson(v[i], k + "[" + std::to_string(i) + "]"));
             }
         }},
    };
    ReadMembers(RequireObject(value, key), key, readers);
    return macro;
}

void BindingFromJson(const json& value, const std::string& key, std::size_t position,
                     ButtonBinding& binding) {
    std::uint8_t button = binding.button;
    const std::map<std::string, Reader> readers{
        {"button", IntegerInto(button)},
        {"code", IntegerInto(binding.code)},
        {"param", IntegerInto(binding.param)},
    };
    ReadMembers(RequireObject(value, key), key, readers);
    if (button != position) {
        Fail(key + ".button", "must be " + std::to_string(position) + ", its position");
    }
}

}  // namespace

ordered_json ProfileToJson(const ProfileRecord& record) {
    ordered_json steps = ordered_json::array();
    for (const ResolutionStep& step : record.resolutionSteps) {
        steps.push_back({step.x, step.y});
    }
    ordered_json buttons = ordered_json::array();
    for (const ButtonBinding& binding : record.buttons) {
        buttons.push_back(
            {{"button", binding.button}, {"code", binding.code}, {"param", binding.param}});
    }
    ordered_json macros = ordered_json::array();
    for (const ProfileMacro& macro : record.buttonMacros) {
        macros.push_back(MacroToJson(macro));
    }
    return {
        {"name", ToUtf8(record.name)},
        {"enabled", record.enabled},
        {"reservedWord", record.reservedWord},
        {"reportInterval", record.reportInterval},
        {"doubleClickSetting", record.doubleClickSetting},
        {"scrollLines", record.scrollLines},
        {"scrollByLines", record.scrollByLines},
        {"scrollByPage", record.scrollByPage},
        {"accelerationEnabled", record.accelerationEnabled},
        {"xySeparate", record.xySeparate},
        {"definedModeEnabled", record.definedModeEnabled},
        {"sensorHeaderByte", record.sensorHeaderByte},
        {"resolutionSteps", steps},
        {"pointerSpeed", record.pointerSpeed},
        {"definedModeValue", record.definedModeValue},
        {"angleSnap", record.angleSnap},
        {"liftDistance", record.liftDistance},
        {"surfaceQuality", record.surfaceQuality},
        {"zoneColours", record.zoneColours},
        {"lightingZones", record.lightingZones},
        {"lightingEffect", record.lightingEffect},
        {"buttons", buttons},
        {"buttonMacros", macros},
    };
}

ProfileRecord ProfileFromJson(const json& document) {
    ProfileRecord record = MakeDefaultProfile();
    const std::map<std::string, Reader> readers{
        {"name", [&](const json& v, const std::string& k) { record.name = ReadString(v, k); }},
        {"enabled", IntegerInto(record.enabled)},
        {"reservedWord", IntegerInto(record.reservedWord)},
        {"reportInterval", IntegerInto(record.reportInterval)},
        {"doubleClickSetting", IntegerInto(record.doubleClickSetting)},
        {"scrollLines", IntegerInto(record.scrollLines)},
        {"scrollByLines", IntegerInto(record.scrollByLines)},
        {"scrollByPage", IntegerInto(record.scrollByPage)},
        {"accelerationEnabled", IntegerInto(record.accelerationEnabled)},
        {"xySeparate", IntegerInto(record.xySeparate)},
        {"definedModeEnabled", IntegerInto(record.definedModeEnabled)},
        {"sensorHeaderByte", IntegerInto(record.sensorHeaderByte)},
        {"resolutionSteps",
         [&](const json& v, const std::string& k) {
             RequireArray(v, k, kResolutionStepCount);
             for (std::size_t i = 0; i < kResolutionStepCount; ++i) {
                 const std::string stepKey = k + "[" + std::to_string(i) + "]";
                 const json& pair = RequireArray(v[i], stepKey, 2);
                 record.resolutionSteps[i].x = ReadInteger<std::int16_t>(pair[0], stepKey);
                 record.resolutionSteps[i].y = ReadInteger<std::int16_t>(pair[1], stepKey);
             }
         }},
        {"pointerSpeed", IntegerInto(record.pointerSpeed)},
        {"definedModeValue", IntegerInto(record.definedModeValue)},
        {"angleSnap", IntegerInto(record.angleSnap)},
        {"liftDistance", IntegerInto(record.liftDistance)},
        {"surfaceQuality", IntegerInto(record.surfaceQuality)},
        {"zoneColours",
         [&](const json& v, const std::string& k) {
             RequireArray(v, k, kLightingZoneCount);
             for (std::size_t i = 0; i < kLightingZoneCount; ++i) {
                 record.zoneColours[i] =
                     ReadInteger<std::uint32_t>(v[i], k + "[" + std::to_string(i) + "]");
             }
         }},
        {"lightingZones", IntegerInto(record.lightingZones)},
        {"lightingEffect", IntegerInto(record.lightingEffect)},
        {"buttons",
         [&](const json& v, const std::string& k) {
             RequireArray(v, k, kButtonCount);
             for (std::size_t i = 0; i < kButtonCount; ++i) {
                 BindingFromJson(v[i], k + "[" + std::to_string(i) + "]", i, record.buttons[i]);
             }
         }},
        {"buttonMacros",
         [&](const json& v, const std::string& k) {
             RequireArray(v, k, kButtonCount);
             for (std::size_t i = 0; i < kButtonCount; ++i) {
                 record.buttonMacros[i] = MacroFromJson(v[i], k + "[" + std::to_string(i) + "]");
             }
         }},
    };
    ReadMembers(RequireObject(document, "(document)"), "", readers);
    return record;
}

}  // namespace orvex::cli
