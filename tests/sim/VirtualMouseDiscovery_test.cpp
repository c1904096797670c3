#include <gtest/gtest.h>

#include "core/device/DeviceCommands.h"
#include "core/device/MouseIdentity.h"
#include "sim/VirtualMouseRig.h"

namespace orvex::sim {
namespace {

TEST(VirtualMouseDiscovery, ListsPointerCollectionFirstAndOpensTheCommandCollection) {
    VirtualMouseRig rig;
    const auto interfaces = rig.transport.ListInterfaces();
    ASSERT_EQ(interfaces.size(), 3u);
    EXPECT_EQ(interfaces[0].path, VirtualMouseTransport::kPointerPath);
    EXPECT_EQ(interfaces[0].topLevelUsages, (std::vector<HidUsage>{{0x0001, 0x0002}}));
    EXPECT_EQ(interfaces[1].path, VirtualMouseTransport::kCommandPath);
    EXPECT_EQ(interfaces[1].topLevelUsages, std::vector<HidUsage>{kOrvexCommandCollection});
    EXPECT_EQ(interfaces[2].productId, VirtualMouseTransport::kOtherProductId);

    ASSERT_TRUE(rig.Open());
    EXPECT_TRUE(rig.link.devicePresent());
    ASSERT_TRUE(ReadFirmwareVersion(rig.link).ok());
    for (const Transfer& transfer : rig.log().transfers()) {
        EXPECT_EQ(transfer.path, VirtualMouseTransport::kCommandPath);
    }
}

// With the mouse gone, the only command-like collection left belongs to another product: the
// search must not take it.
TEST(VirtualMouseDiscovery, UnpluggedMouseIsNotFoundAndTheOtherProductIsSkipped) {
    VirtualMouseRig rig;
    rig.mouse.state().unplugged = true;
    const auto interfaces = rig.transport.ListInterfaces();
    ASSERT_EQ(interfaces.size(), 1u);
    EXPECT_EQ(interfaces[0].topLevelUsages, std::vector<HidUsage>{kOrvexCommandCollection});

    EXPECT_FALSE(rig.link.OpenMouse());
    EXPECT_FALSE(rig.link.HasHandle());
    EXPECT_FALSE(rig.link.devicePresent());
    rig.link.CloseMouse();
    EXPECT_FALSE(rig.link.HasHandle());

    EXPECT_EQ(ReadFirmwareVersion(rig.link).result, DeviceResult::Failed);
    EXPECT_TRUE(rig.log().transfers().empty());
    EXPECT_TRUE(rig.waits().empty());
}

TEST(VirtualMouseDiscovery, HandleFailsWithNoDeviceAfterUnplugAndWorksAgainAfterReopen) {
    VirtualMouseRig rig;
    ASSERT_TRUE(rig.Open());
    rig.mouse.state().unplugged = true;

    EXPECT_EQ(SetActiveProfile(rig.link, 2), DeviceResult::Failed);
    ASSERT_EQ(rig.log().transfers().size(), 1u);  // no-device is not worth a second attempt
    EXPECT_EQ(rig.log().transfers()[0].result, HidError::NoDevice);
    EXPECT_TRUE(rig.link.devicePresent());  // only the hot-plug removal clears it
    EXPECT_FALSE(rig.link.OpenMouse());

    rig.mouse.state().unplugged = false;
    ASSERT_TRUE(rig.Open());
    EXPECT_EQ(SetActiveProfile(rig.link, 2), DeviceResult::Done);
    EXPECT_EQ(rig.mouse.state().activeProfile, 2);
}

TEST(VirtualMouseDiscovery, InterfacesOtherThanTheCommandCollectionNeverAnswerDone) {
    for (const char* path :
         {VirtualMouseTransport::kPointerPath, VirtualMouseTransport::kOtherDevicePath}) {
        SCOPED_TRACE(path);
        VirtualMouse mouse;
        VirtualMouseTransport transport(mouse);
        auto device = transport.Open(path);
        ASSERT_NE(device, nullptr);
        const FeatureReport request = FeatureReport::Command(0x02, 0, 0);
        EXPECT_EQ(device->SetFeature(request.bytes), HidError::None);
        FeatureReport status = FeatureReport::StatusRequest();
        EXPECT_EQ(device->GetFeature(status.bytes), HidError::None);
        EXPECT_NE(status.Status(), FeatureReport::kStatusDone);
    }
}

}  // namespace
}  // namespace orvex::sim
