#include "sim/VirtualMouseDescriptors.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <map>
#include <vector>

#include "core/device/MouseIdentity.h"
#include "core/device/Reports.h"
#include "platform/linux/ReportDescriptor.h"

namespace orvex {
namespace {

// Feature report lengths in bytes, id byte included, the way the kernel's HID parser sums them:
// every Feature item adds Report Size x Report Count bits to the report of the Report ID in force.
std::map<std::uint8_t, std::size_t> FeatureReportLengths(std::span<const std::uint8_t> bytes) {
    std::map<std::uint8_t, std::size_t> bits;
    std::uint8_t reportId = 0;
    std::uint32_t reportSize = 0;
    std::uint32_t reportCount = 0;
    for (std::size_t i = 0; i < bytes.size();) {
        static constexpr std::size_t kSizes[] = {0, 1, 2, 4};
        const std::uint8_t prefix = bytes[i];
        const std::size_t size = kSizes[prefix & 0x03];
        std::uint32_t data = 0;
        for (std::size_t k = 0; k < size && i + 1 + k < bytes.size(); ++k) {
            data |= static_cast<std::uint32_t>(bytes[i + 1 + k]) << (8 * k);
        }
        switch (prefix & 0xFC) {
            case 0x84:
                reportId = static_cast<std::uint8_t>(data);
                break;
            case 0x74:
                reportSize = data;
                break;
            case 0x94:
                reportCount = data;
                break;
            case 0xB0:
                bits[reportId] += reportSize * reportCount;
                break;
            default:
                break;
        }
        i += 1 + size;
    }
    std::map<std::uint8_t, std::size_t> lengths;
    for (const auto& [id, count] : bits) {
        lengths[id] = count / 8 + (id != 0 ? 1 : 0);
    }
    return lengths;
}

TEST(VirtualMouseDescriptorsTest, PointerInterfaceIsAPlainMouseWithoutFeatureReports) {
    EXPECT_EQ(platform::ParseTopLevelUsages(sim::PointerReportDescriptor()),
              (std::vector<HidUsage>{{0x0001, 0x0002}}));
    EXPECT_TRUE(FeatureReportLengths(sim::PointerReportDescriptor()).empty());
}

TEST(VirtualMouseDescriptorsTest, CommandInterfaceDeclaresTheTwoFeatureReportsAtFullLength) {
    EXPECT_EQ(platform::ParseTopLevelUsages(sim::CommandReportDescriptor()),
              std::vector<HidUsage>{kOrvexCommandCollection});
    const std::map<std::uint8_t, std::size_t> expected{{kFeatureReportId, kFeatureReportSize},
                                                       {kBulkReportId, kBulkReportSize}};
    EXPECT_EQ(FeatureReportLengths(sim::CommandReportDescriptor()), expected);
}

}  // namespace
}  // namespace orvex
