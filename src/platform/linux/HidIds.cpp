#include "platform/linux/HidIds.h"

#include <array>
#include <charconv>
#include <cstddef>
#include <limits>

namespace orvex::platform {
namespace {

constexpr std::size_t kMaxHexDigits = 8;

std::optional<std::uint16_t> ParseHexField(std::string_view field) {
    if (field.empty() || field.size() > kMaxHexDigits) {
        return std::nullopt;
    }
    std::uint32_t value = 0;
    const char* end = field.data() + field.size();
    const auto [stop, error] = std::from_chars(field.data(), end, value, 16);
    if (error != std::errc{} || stop != end || value > std::numeric_limits<std::uint16_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::uint16_t>(value);
}

}  // namespace

std::optional<HidIds> ParseHidId(std::string_view text) {
    std::array<std::uint16_t, 3> values{};
    for (std::size_t i = 0; i < values.size(); ++i) {
        const std::size_t colon = text.find(':');
        const bool last = i + 1 == values.size();
        if (last != (colon == std::string_view::npos)) {
            return std::nullopt;
        }
        const auto value = ParseHexField(text.substr(0, colon));
        if (!value) {
            return std::nullopt;
        }
        values[i] = *value;
        text.remove_prefix(last ? text.size() : colon + 1);
    }
    return HidIds{values[0], values[1], values[2]};
}

}  // namespace orvex::platform
