#pragma once

#include <cstdint>

#include "core/device/DeviceLink.h"
#include "core/device/DeviceResult.h"
#include "core/profiles/DeviceProfileImage.h"
#include "core/profiles/ProfileRecord.h"

namespace orvex {

// The firmware needs this long after each half image before it answers a status read.
inline constexpr Milliseconds kImageChunkWait{60};

// Builds the record's image and sends it as profile `slotIndex`. Refused (nothing sent) when its
// macros hold too many events; Failed when a half could not be written or its status poll failed.
// Not atomic: a failed second half leaves the mouse with the first half of the new image.
DeviceResult UploadProfileImage(DeviceLink& link, const ProfileRecord& record);

// Sends a finished image in its two halves, each followed by the wait and a status poll; a failed
// first half stops before the second is sent.
DeviceResult SendDeviceImage(DeviceLink& link, std::uint8_t profile,
                             const DeviceProfileImage& image);

}  // namespace orvex
