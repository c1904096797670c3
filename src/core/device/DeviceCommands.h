#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/device/DeviceLink.h"
#include "core/device/DeviceResult.h"

namespace orvex {

// When a command waits after its write. Most commands give up at once when the write fails; the
// sensor commands wait their time regardless, as the firmware may have taken the report anyway.
enum class WaitRule { AfterSuccessfulWrite, AlsoAfterFailedWrite };

struct DeviceCommand {
    std::uint8_t code = 0;
    std::uint8_t subCommand = 0;
    Milliseconds wait{0};
    WaitRule waitRule = WaitRule::AfterSuccessfulWrite;
};

namespace commands {
inline constexpr DeviceCommand kReadFirmwareVersion{0x02, 0, Milliseconds{50},
                                                    WaitRule::AfterSuccessfulWrite};
inline constexpr DeviceCommand kReadActiveProfile{0x03, 0, Milliseconds{10},
                                                  WaitRule::AfterSuccessfulWrite};
inline constexpr DeviceCommand kSetActiveProfile{0x04, 0, Milliseconds{1500},
                                                 WaitRule::AfterSuccessfulWrite};
inline constexpr DeviceCommand kStartSurfaceAnalysis{0x05, 0x01, Milliseconds{10},
                                                     WaitRule::AlsoAfterFailedWrite};
inline constexpr DeviceCommand kReadSurfaceQuality{0x05, 0x02, Milliseconds{10},
                                                   WaitRule::AlsoAfterFailedWrite};
inline constexpr DeviceCommand kTestLiftDistance{0x06, 0x01, Milliseconds{20},
                                                 WaitRule::AlsoAfterFailedWrite};
inline constexpr DeviceCommand kSaveLiftDistance{0x06, 0x02, Milliseconds{200},
                                                 WaitRule::AlsoAfterFailedWrite};
}  // namespace commands

inline constexpr std::uint8_t kProfileCount = 5;
inline constexpr std::uint8_t kMinLiftDistance = 6;
inline constexpr std::uint8_t kMaxLiftDistance = 31;

// Request, the command's wait, status poll. The polled report when the device said done.
std::optional<FeatureReport> CommandExchange(DeviceLink& link, const DeviceCommand& command,
                                             std::uint8_t parameter = 0);

DeviceReply<std::uint16_t> ReadFirmwareVersion(DeviceLink& link);
DeviceReply<std::uint8_t> ReadActiveProfile(DeviceLink& link);
DeviceResult SetActiveProfile(DeviceLink& link, std::uint8_t profile);
DeviceResult StartSurfaceAnalysis(DeviceLink& link);
DeviceReply<std::uint8_t> ReadSurfaceQuality(DeviceLink& link);
DeviceResult TestLiftDistance(DeviceLink& link, std::uint8_t liftDistance);
DeviceResult SaveLiftDistance(DeviceLink& link, std::uint8_t liftDistance);

// The lift-off range the sensor accepts; callers clamp before sending.
std::uint8_t ClampLiftDistance(int value);

// The version word as shown to the user: 123 -> "1.23".
std::string FormatFirmwareVersion(std::uint16_t versionWord);
inline constexpr const char* kUnknownFirmwareVersion = "-.--";

}  // namespace orvex
