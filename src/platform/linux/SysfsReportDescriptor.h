#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

namespace orvex::platform {

// The "report_descriptor" attribute of a device on the "hid" bus. Every user may read it, so it
// still describes a device whose hidraw node is closed to us. Reads at most
// HID_MAX_DESCRIPTOR_SIZE bytes; nothing when the file cannot be read.
std::optional<std::vector<std::uint8_t>> ReadSysfsReportDescriptor(
    const std::filesystem::path& file);

}  // namespace orvex::platform
