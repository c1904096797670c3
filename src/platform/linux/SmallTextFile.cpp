#include "platform/linux/SmallTextFile.h"

#include <fstream>

namespace orvex::platform {

std::optional<std::string> ReadSmallTextFile(const std::filesystem::path& file,
                                             std::size_t maxBytes) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::string text(maxBytes, '\0');
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    if (in.bad()) {
        return std::nullopt;
    }
    text.resize(static_cast<std::size_t>(in.gcount()));
    return text;
}

std::optional<std::string> KeyValue(std::string_view text, std::string_view key) {
    std::size_t lineStart = 0;
    while (lineStart < text.size()) {
        std::size_t lineEnd = text.find('\n', lineStart);
        if (lineEnd == std::string_view::npos) {
            lineEnd = text.size();
        }
        const std::string_view line = text.substr(lineStart, lineEnd - lineStart);
        if (line.size() > key.size() && line.starts_with(key) && line[key.size()] == '=') {
            return std::string(line.substr(key.size() + 1));
        }
        lineStart = lineEnd + 1;
    }
    return std::nullopt;
}

}  // namespace orvex::platform
