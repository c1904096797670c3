#pragma once

#include <nlohmann/json.hpp>

#include "core/profiles/ProfileRecord.h"

namespace orvex::cli {

// A profile record as JSON, keyed by the record's field names. The file path, the in-memory
// acceleration level and the buttons' default codes are not part of it.
nlohmann::ordered_json ProfileToJson(const ProfileRecord& record);

// Starts from a default record; every key present replaces its field. An unknown key, a value of
// the wrong type or one outside its field's width throws CliError naming the key.
ProfileRecord ProfileFromJson(const nlohmann::json& json);

}  // namespace orvex::cli
