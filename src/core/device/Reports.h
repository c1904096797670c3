#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace orvex {

inline constexpr std::uint8_t kFeatureReportId = 0x60;
inline constexpr std::uint8_t kBulkReportId = 0x61;
inline constexpr std::size_t kFeatureReportSize = 64;
inline constexpr std::size_t kBulkReportSize = 1041;
inline constexpr std::size_t kImageChunkSize = 1024;

// Report 0x60: every command request and every status read.
struct FeatureReport {
    static constexpr std::size_t kCommandByte = 1;
    static constexpr std::size_t kStatusByte = 1;
    static constexpr std::size_t kSubCommandByte = 2;
    static constexpr std::size_t kParameterByte = 5;
    static constexpr std::size_t kReplyOffset = 16;

    static constexpr std::uint8_t kStatusDone = 1;
    static constexpr std::uint8_t kStatusBusy = 4;

    std::array<std::uint8_t, kFeatureReportSize> bytes{};

    // A zeroed status-read buffer: report id, rest 0.
    static FeatureReport StatusRequest();
    static FeatureReport Command(std::uint8_t code, std::uint8_t subCommand,
                                 std::uint8_t parameter);

    std::uint8_t Status() const { return bytes[kStatusByte]; }
    std::uint8_t ReplyByte(std::size_t index) const { return bytes[kReplyOffset + index]; }
    std::uint16_t ReplyWord(std::size_t index) const;
};

// Report 0x61: one half of a profile image on its way to the mouse.
struct BulkReport {
    static constexpr std::uint8_t kUploadCommand = 0x08;
    static constexpr std::size_t kProfileByte = 5;
    static constexpr std::size_t kChunkByte = 6;
    static constexpr std::size_t kDataOffset = 16;

    std::array<std::uint8_t, kBulkReportSize> bytes{};

    static BulkReport Upload(std::uint8_t profile, std::uint8_t chunk,
                             std::span<const std::uint8_t, kImageChunkSize> data);

    std::uint8_t Profile() const { return bytes[kProfileByte]; }
    std::uint8_t Chunk() const { return bytes[kChunkByte]; }
    std::span<const std::uint8_t, kImageChunkSize> Data() const;
};

}  // namespace orvex
