#include "core/log/Log.h"

#include <cstdlib>

namespace orvex {

void StreamLog::Write(std::string_view area, std::string_view message) {
    if (!enabled_ || stream_ == nullptr) {
        return;
    }
    std::string line = "orvex[";
    line.append(area);
    line.append("] ");
    line.append(message);
    line.push_back('\n');
    std::fwrite(line.data(), 1, line.size(), stream_);
    std::fflush(stream_);
}

bool DebugLogRequested() {
    const char* value = std::getenv("ORVEX_DEBUG");
    return value != nullptr && std::string_view(value) == "1";
}

std::string HexBytes(std::span<const std::uint8_t> bytes, std::size_t maxBytes) {
    static constexpr char kDigits[] = "0123456789abcdef";
    const std::size_t shown = bytes.size() < maxBytes ? bytes.size() : maxBytes;
    std::string text;
    text.reserve(shown * 3 + 24);
    for (std::size_t i = 0; i < shown; ++i) {
        if (i != 0) {
            text.push_back(' ');
        }
        text.push_back(kDigits[bytes[i] >> 4]);
        text.push_back(kDigits[bytes[i] & 0x0F]);
    }
    if (shown < bytes.size()) {
        text += " ... (" + std::to_string(bytes.size() - shown) + " more)";
    }
    return text;
}

void LogLine(Log* log, std::string_view area, std::string_view message) {
    if (log != nullptr && log->Enabled()) {
        log->Write(area, message);
    }
}

}  // namespace orvex
