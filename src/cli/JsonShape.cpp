#include "cli/JsonShape.h"

namespace orvex::cli {
namespace {

std::string AtByte(std::size_t offset) {
    return " at byte " + std::to_string(offset);
}

}  // namespace

std::optional<std::string> JsonShapeProblem(std::string_view text) {
    std::size_t depth = 0;
    std::size_t values = 0;
    bool inString = false;
    bool escaped = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (inString) {
            if (escaped) {
                escaped = false;
            } else if (c == '\\') {
                escaped = true;
            } else if (c == '"') {
                inString = false;
            }
            continue;
        }
        switch (c) {
            case '"':
                inString = true;
                break;
            case '[':
            case '{':
                if (++depth > kMaxJsonDepth) {
                    return "nested deeper than " + std::to_string(kMaxJsonDepth) + " levels" +
                           AtByte(i);
                }
                [[fallthrough]];
            case ',':
                if (++values > kMaxJsonValues) {
                    return "more than " + std::to_string(kMaxJsonValues) + " values" + AtByte(i);
                }
                break;
            case ']':
            case '}':
                depth -= depth > 0 ? 1 : 0;
                break;
            default:
                break;
        }
    }
    return std::nullopt;
}

}  // namespace orvex::cli
