#include "core/device/Reports.h"

#include <algorithm>

namespace orvex {

FeatureReport FeatureReport::StatusRequest() {
    FeatureReport report;
    report.bytes[0] = kFeatureReportId;
    return report;
}

FeatureReport FeatureReport::Command(std::uint8_t code, std::uint8_t subCommand,
                                     std::uint8_t parameter) {
    FeatureReport report = StatusRequest();
    report.bytes[kCommandByte] = code;
    report.bytes[kSubCommandByte] = subCommand;
    report.bytes[kParameterByte] = parameter;
    return report;
}

std::uint16_t FeatureReport::ReplyWord(std::size_t index) const {
    return static_cast<std::uint16_t>(ReplyByte(index) | (ReplyByte(index + 1) << 8));
}

BulkReport BulkReport::Upload(std::uint8_t profile, std::uint8_t chunk,
                              std::span<const std::uint8_t, kImageChunkSize> data) {
    BulkReport report;
    report.bytes[0] = kBulkReportId;
    report.bytes[1] = kUploadCommand;
    report.bytes[kProfileByte] = profile;
    report.bytes[kChunkByte] = chunk;
    std::copy(data.begin(), data.end(), report.bytes.begin() + kDataOffset);
    return report;
}

std::span<const std::uint8_t, kImageChunkSize> BulkReport::Data() const {
    return std::span<const std::uint8_t, kImageChunkSize>(bytes.data() + kDataOffset,
                                                          kImageChunkSize);
}

}  // namespace orvex
