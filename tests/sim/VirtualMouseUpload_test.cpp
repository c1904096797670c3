#include <gtest/gtest.h>

#include <span>

#include "sim/VirtualMouseRig.h"

namespace orvex::sim {
namespace {

ProfileImage PatternImage(std::uint8_t seed) {
    ProfileImage image{};
    for (std::size_t i = 0; i < image.size(); ++i) {
        image[i] = static_cast<std::uint8_t>(i * 7 + seed);
    }
    return image;
}

std::span<const std::uint8_t, kImageChunkSize> Chunk(const ProfileImage& image, int chunk) {
    return std::span<const std::uint8_t, kImageChunkSize>(image.data() + chunk * kImageChunkSize,
                                                          kImageChunkSize);
}

// One half of an upload the way the program sends it: the report, then a status poll.
bool SendChunk(DeviceLink& link, std::uint8_t profile, std::uint8_t chunk,
               std::span<const std::uint8_t, kImageChunkSize> data) {
    const BulkReport report = BulkReport::Upload(profile, chunk, data);
    if (!link.SendFeature(report.bytes)) {
        return false;
    }
    FeatureReport status = FeatureReport::StatusRequest();
    return link.PollStatus(status);
}

TEST(VirtualMouseUpload, WholeImageInTwoHalvesLandsInItsProfile) {
    VirtualMouseRig rig;
    ASSERT_TRUE(rig.Open());
    const ProfileImage image = PatternImage(3);

    ASSERT_TRUE(SendChunk(rig.link, 2, 0, Chunk(image, 0)));
    ASSERT_TRUE(SendChunk(rig.link, 2, 1, Chunk(image, 1)));

    EXPECT_EQ(rig.mouse.state().images[2], image);
    for (const std::size_t other : {0u, 1u, 3u, 4u}) {
        EXPECT_EQ(rig.mouse.state().images[other], ProfileImage{}) << other;
    }
    EXPECT_EQ(rig.log().Writes(kBulkReportId), 2u);
    EXPECT_EQ(rig.log().Reads(kFeatureReportId), 2u);
    EXPECT_EQ(rig.log().Writes(kFeatureReportId), 0u);
}

TEST(VirtualMouseUpload, FirstHalfStaysWhenTheSecondNeverComes) {
    VirtualMouseRig rig;
    const ProfileImage old = PatternImage(9);
    rig.mouse.state().images[4] = old;
    ASSERT_TRUE(rig.Open());
    const ProfileImage image = PatternImage(100);

    ASSERT_TRUE(SendChunk(rig.link, 4, 0, Chunk(image, 0)));
    rig.mouse.faults().failedWrite = TransferFault::Always(HidError::NoDevice, kBulkReportId);
    EXPECT_FALSE(SendChunk(rig.link, 4, 1, Chunk(image, 1)));

    const ProfileImage& stored = rig.mouse.state().images[4];
    EXPECT_TRUE(std::equal(stored.begin(), stored.begin() + kImageChunkSize, image.begin()));
    EXPECT_TRUE(
        std::equal(stored.begin() + kImageChunkSize, stored.end(), old.begin() + kImageChunkSize));
}

TEST(VirtualMouseUpload, MalformedUploadsAreRejectedAndStoreNothing) {
    const ProfileImage image = PatternImage(1);
    const auto wellFormed = BulkReport::Upload(0, 0, Chunk(image, 0));
    struct Case {
        const char* name;
        std::size_t byte;
        std::uint8_t value;
    };
    for (const Case& bad :
         {Case{"profile 5", BulkReport::kProfileByte, 5},
          Case{"chunk 2", BulkReport::kChunkByte, 2}, Case{"not the upload command", 1, 0x07}}) {
        SCOPED_TRACE(bad.name);
        VirtualMouseRig rig;
        ASSERT_TRUE(rig.Open());
        BulkReport report = wellFormed;
        report.bytes[bad.byte] = bad.value;

        EXPECT_TRUE(rig.link.SendFeature(report.bytes));
        FeatureReport status = FeatureReport::StatusRequest();
        EXPECT_FALSE(rig.link.PollStatus(status));
        EXPECT_EQ(status.bytes, FeatureReport::StatusRequest().bytes);  // unchanged on failure
        EXPECT_EQ(rig.mouse.state(), [] {
            VirtualMouseState expected;
            expected.status = VirtualMouse::kStatusRejected;
            return expected;
        }());
    }
}

}  // namespace
}  // namespace orvex::sim
