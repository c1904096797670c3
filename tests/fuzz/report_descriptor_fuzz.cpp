// Feeds arbitrary bytes to the report-descriptor parser: a device can hand over anything.
#include <cstddef>
#include <cstdint>
#include <span>

#include "platform/linux/ReportDescriptor.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto usages =
        orvex::platform::ParseTopLevelUsages(std::span<const std::uint8_t>(data, size));
    // Every collection needs at least its Collection item.
    if (usages.size() > size) {
        __builtin_trap();
    }
    return 0;
}
