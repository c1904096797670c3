#include "core/profiles/ProfileUpload.h"

#include <span>

#include "core/device/Reports.h"
#include "core/profiles/DeviceImage.h"

namespace orvex {

DeviceResult UploadProfileImage(DeviceLink& link, const ProfileRecord& record) {
    const DeviceImageBuild build = BuildDeviceImage(record);
    if (build.refused()) {
        return DeviceResult::Refused;
    }
    return SendDeviceImage(link, record.slotIndex, *build.image);
}

DeviceResult SendDeviceImage(DeviceLink& link, std::uint8_t profile,
                             const DeviceProfileImage& image) {
    static_assert(kDeviceImageSize == 2 * kImageChunkSize);
    // Both halves in one hold: another program's status read between them would see this one's.
    const DeviceLink::Exchange exchange(link);
    if (!exchange.held()) {
        return DeviceResult::Failed;
    }
    for (std::uint8_t chunk = 0; chunk < 2; ++chunk) {
        const std::span<const std::uint8_t, kImageChunkSize> half(
            image.data() + chunk * kImageChunkSize, kImageChunkSize);
        const BulkReport report = BulkReport::Upload(profile, chunk, half);
        const bool written = link.SendFeature(report.bytes);
        // The wait comes before the verdict: a write that reported failure may still have reached
        // the firmware, which must not be hit with a status read while it stores the data.
        link.clock().Sleep(kImageChunkWait);
        if (!written) {
            return DeviceResult::Failed;
        }
        FeatureReport status = FeatureReport::StatusRequest();
        if (!link.PollStatus(status)) {
            return DeviceResult::Failed;
        }
    }
    return DeviceResult::Done;
}

}  // namespace orvex
