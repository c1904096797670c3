#include <gtest/gtest.h>

#include "VirtualMouseRig.h"
#include "core/profiles/DeviceImage.h"
#include "core/profiles/ProfileUpload.h"

namespace orvex::sim {
namespace {

ProfileRecord SlotRecord(std::uint8_t slot) {
    ProfileRecord record = MakeDefaultProfile();
    record.slotIndex = slot;
    record.name = u"Profile" + std::u16string(1, static_cast<char16_t>(u'1' + slot));
    record.liftDistance = static_cast<std::uint8_t>(6 + slot);
    if (slot == 3) {
        record.buttons[8] = {8, 14, 40, 15};
        record.buttonMacros[8] = {
            u"Reload",
            40,
            {{kKeyEventType, 0x52, kEventPress, 0}, {kKeyEventType, 0x52, kEventRelease, 30}}};
    }
    return record;
}

TEST(ProfileUploadToVirtualMouse, FiveImagesArriveIntactInTheirProfiles) {
    VirtualMouseRig rig;
    ASSERT_TRUE(rig.Open());
    for (std::uint8_t slot = 0; slot < kProfileCount; ++slot) {
        ASSERT_EQ(UploadProfileImage(rig.link, SlotRecord(slot)), DeviceResult::Done);
    }
    for (std::uint8_t slot = 0; slot < kProfileCount; ++slot) {
        const DeviceImageBuild build = BuildDeviceImage(SlotRecord(slot));
        ASSERT_FALSE(build.refused());
        EXPECT_EQ(rig.mouse.state().images[slot], *build.image) << "profile " << int{slot};
    }
    EXPECT_EQ(rig.log().Writes(kBulkReportId), 10u);
    EXPECT_EQ(rig.waits(), Waits(10, 60ms));
}

TEST(ProfileUploadToVirtualMouse, FailedFirstHalfStopsTheUpload) {
    VirtualMouseRig rig;
    ASSERT_TRUE(rig.Open());
    rig.mouse.faults().neverDone = true;

    EXPECT_EQ(UploadProfileImage(rig.link, SlotRecord(2)), DeviceResult::Failed);
    EXPECT_EQ(rig.log().Writes(kBulkReportId), 1u) << "the second half is never sent";
    EXPECT_EQ(rig.log().Reads(kFeatureReportId), 5u);
}

}  // namespace
}  // namespace orvex::sim
