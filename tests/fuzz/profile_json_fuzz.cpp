// `orvexctl profile from-json` reads any file a user or a script hands it. Any bytes must either be
// refused with the reader's own error, or give a record whose JSON reads back to the same record.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <nlohmann/json.hpp>
#include <string_view>

#include "cli/ExitCode.h"
#include "cli/JsonShape.h"
#include "cli/ProfileJson.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (orvex::cli::JsonShapeProblem(text)) {
        return 0;
    }
    const nlohmann::json document = nlohmann::json::parse(text, nullptr, false);
    if (document.is_discarded()) {
        return 0;
    }
    orvex::ProfileRecord record;
    try {
        record = orvex::cli::ProfileFromJson(document);
    } catch (const orvex::cli::CliError&) {
        return 0;
    }
    if (!(orvex::cli::ProfileFromJson(orvex::cli::ProfileToJson(record)) == record)) {
        std::abort();
    }
    return 0;
}
