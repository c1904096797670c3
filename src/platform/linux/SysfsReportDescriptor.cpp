#include "platform/linux/SysfsReportDescriptor.h"

#include <linux/hid.h>

#include <fstream>

namespace orvex::platform {

std::optional<std::vector<std::uint8_t>> ReadSysfsReportDescriptor(
    const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    // Sysfs files report no useful size, so read up to the limit and keep what came.
    std::vector<std::uint8_t> bytes(HID_MAX_DESCRIPTOR_SIZE);
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (in.bad()) {
        return std::nullopt;
    }
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
}

}  // namespace orvex::platform
