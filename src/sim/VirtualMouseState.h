#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "core/device/DeviceCommands.h"
#include "core/device/Reports.h"
#include "sim/Faults.h"

namespace orvex::sim {

inline constexpr std::size_t kImageSize = 2 * kImageChunkSize;
inline constexpr std::size_t kReplySize = kFeatureReportSize - FeatureReport::kReplyOffset;
inline constexpr std::uint16_t kDefaultFirmwareVersion = 122;
inline constexpr std::uint8_t kDefaultSurfaceQuality = 200;

using ProfileImage = std::array<std::uint8_t, kImageSize>;

// Everything the virtual mouse remembers, faults included: what a state file holds.
struct VirtualMouseState {
    std::uint16_t firmwareVersion = kDefaultFirmwareVersion;
    std::uint8_t activeProfile = 0;  // 0 ... kProfileCount - 1
    std::array<ProfileImage, kProfileCount> images{};
    std::uint8_t testedLiftDistance = 0;  // 0 until a test arrived
    std::uint8_t savedLiftDistance = 0;   // 0 until a save arrived
    bool surfaceAnalysisStarted = false;
    std::uint8_t surfaceQuality = kDefaultSurfaceQuality;
    bool unplugged = false;

    // What status reads answer: the outcome of the last report written and its reply data.
    // Nothing has been asked after power-up, so the status is not done.
    std::uint8_t status = 0;
    std::array<std::uint8_t, kReplySize> reply{};

    Faults faults;

    friend bool operator==(const VirtualMouseState&, const VirtualMouseState&) = default;
};

}  // namespace orvex::sim
