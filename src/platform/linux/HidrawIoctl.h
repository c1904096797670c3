#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "platform/linux/HidIds.h"

namespace orvex::platform {

// Queries on an open hidraw node. Nothing on failure, with errno left as the ioctl set it (ENOTTY
// when the node is not a hidraw device).
std::optional<HidIds> QueryHidrawIds(int fd);
std::optional<std::vector<std::uint8_t>> QueryReportDescriptor(int fd);

}  // namespace orvex::platform
