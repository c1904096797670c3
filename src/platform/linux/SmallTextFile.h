#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace orvex::platform {

// The first `maxBytes` of a small system file (sysfs, udev's database, logind's state); nothing
// when it cannot be read. System files report no useful size, so the read is bounded instead.
std::optional<std::string> ReadSmallTextFile(const std::filesystem::path& file,
                                             std::size_t maxBytes = 64 * 1024);

// The value of "KEY=value" on a line of its own in `text`, or nothing.
std::optional<std::string> KeyValue(std::string_view text, std::string_view key);

}  // namespace orvex::platform
