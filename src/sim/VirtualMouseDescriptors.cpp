#include "sim/VirtualMouseDescriptors.h"

#include "core/device/Reports.h"

namespace orvex::sim {
namespace {

constexpr std::uint8_t Low(std::size_t value) {
    return static_cast<std::uint8_t>(value & 0xFF);
}
constexpr std::uint8_t High(std::size_t value) {
    return static_cast<std::uint8_t>(value >> 8);
}

// A report's data bytes: its length less the id byte.
constexpr std::size_t kCommandDataBytes = kFeatureReportSize - 1;
constexpr std::size_t kUploadDataBytes = kBulkReportSize - 1;
static_assert(kCommandDataBytes <= 0xFF);

constexpr std::uint8_t kPointer[] = {
    0x05, 0x01,  // Usage Page (Generic Desktop)
    0x09, 0x02,  // Usage (Mouse)
    0xA1, 0x01,  // Collection (Application)
    0x09, 0x01,  //   Usage (Pointer)
    0xA1, 0x00,  //   Collection (Physical)
    0x05, 0x09,  //     Usage Page (Button)
    0x19, 0x01,  //     Usage Minimum (1)
    0x29, 0x05,  //     Usage Maximum (5)
    0x15, 0x00,  //     Logical Minimum (0)
    0x25, 0x01,  //     Logical Maximum (1)
    0x95, 0x05,  //     Report Count (5)
    0x75, 0x01,  //     Report Size (1)
    0x81, 0x02,  //     Input (Data, Variable, Absolute)
    0x95, 0x01,  //     Report Count (1)
    0x75, 0x03,  //     Report Size (3)
    0x81, 0x01,  //     Input (Constant): padding
    0x05, 0x01,  //     Usage Page (Generic Desktop)
    0x09, 0x30,  //     Usage (X)
    0x09, 0x31,  //     Usage (Y)
    0x09, 0x38,  //     Usage (Wheel)
    0x15, 0x81,  //     Logical Minimum (-127)
    0x25, 0x7F,  //     Logical Maximum (127)
    0x75, 0x08,  //     Report Size (8)
    0x95, 0x03,  //     Report Count (3)
    0x81, 0x06,  //     Input (Data, Variable, Relative)
    0xC0,        //   End Collection
    0xC0,        // End Collection
};

constexpr std::uint8_t kCommand[] = {
    0x06,
    0x01,
    0xFF,  // Usage Page (0xFF01)
    0x09,
    0x02,  // Usage (2)
    0xA1,
    0x01,  // Collection (Application)
    0x15,
    0x00,  //   Logical Minimum (0)
    0x26,
    0xFF,
    0x00,  //   Logical Maximum (255)
    0x75,
    0x08,  //   Report Size (8)
    0x85,
    kFeatureReportId,  //   Report ID (0x60)
    0x09,
    0x01,  //   Usage (1)
    0x95,
    Low(kCommandDataBytes),  //   Report Count (63)
    0xB1,
    0x02,  //   Feature (Data, Variable)
    0x85,
    kBulkReportId,  //   Report ID (0x61)
    0x09,
    0x01,  //   Usage (1)
    0x96,
    Low(kUploadDataBytes),
    High(kUploadDataBytes),  //   Report Count (1040)
    0xB1,
    0x02,  //   Feature (Data, Variable)
    0xC0,  // End Collection
};

}  // namespace

std::span<const std::uint8_t> PointerReportDescriptor() {
    return kPointer;
}

std::span<const std::uint8_t> CommandReportDescriptor() {
    return kCommand;
}

}  // namespace orvex::sim
