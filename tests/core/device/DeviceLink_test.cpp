#include "core/device/DeviceLink.h"

#include <gtest/gtest.h>

#include "core/device/MouseIdentity.h"
#include "core/device/ScriptedHid.h"
#include "core/device/VirtualClock.h"

namespace orvex {
namespace {

using testing::OrvexCommandInterface;
using testing::ScriptedDeviceScript;
using testing::ScriptedHidTransport;

class DeviceLinkTest : public ::testing::Test {
  protected:
    ScriptedHidTransport transport;
    VirtualClock clock;
    DeviceLink link{transport, clock};
};

TEST_F(DeviceLinkTest, OpensTheCommandCollectionListedAfterThePointerCollection) {
    transport.Add({"hid:pointer", kOrvexVendorId, kOrvexProductId, {{0x0001, 0x0002}}});
    transport.Add(OrvexCommandInterface("hid:vendor"));

    ASSERT_TRUE(link.OpenMouse());
    EXPECT_TRUE(link.HasHandle());
    EXPECT_TRUE(link.devicePresent());
    EXPECT_EQ(transport.opened, std::vector<std::string>{"hid:vendor"});
}

TEST_F(DeviceLinkTest, SkipsOtherProductsAndInterfacesThatDoNotOpen) {
    transport.Add({"hid:sibling", kOrvexVendorId, 0x3B20, {kOrvexCommandCollection}});
    transport.Add({"hid:other-vendor", 0x1234, kOrvexProductId, {kOrvexCommandCollection}});
    transport.Add(OrvexCommandInterface("hid:locked"), /*opens=*/false);
    transport.Add(OrvexCommandInterface("hid:vendor"));

    ASSERT_TRUE(link.OpenMouse());
    EXPECT_EQ(transport.opened, std::vector<std::string>{"hid:vendor"});
}

TEST_F(DeviceLinkTest, NoMouseLeavesNoHandle) {
    transport.Add({"hid:keyboard", 0x046D, 0xC31C, {{0x0001, 0x0006}}});

    EXPECT_FALSE(link.OpenMouse());
    EXPECT_FALSE(link.HasHandle());
    EXPECT_FALSE(link.devicePresent());
    link.CloseMouse();
    EXPECT_FALSE(link.HasHandle());
    EXPECT_FALSE(link.SendFeature(FeatureReport::StatusRequest().bytes));
    FeatureReport status = FeatureReport::StatusRequest();
    EXPECT_FALSE(link.PollStatus(status));
}

TEST_F(DeviceLinkTest, ANewSearchDropsTheOldHandleFirst) {
    transport.Add(OrvexCommandInterface());
    ASSERT_TRUE(link.OpenMouse());

    transport.Unplug();
    EXPECT_FALSE(link.OpenMouse());
    EXPECT_FALSE(link.HasHandle());
}

struct WriteCase {
    const char* name;
    std::vector<HidError> results;
    int expectedAttempts;
    bool expectedSent;
};

class SendFeatureRetry : public ::testing::TestWithParam<WriteCase> {};

TEST_P(SendFeatureRetry, RetriesTransientErrorsOnceWithoutWaiting) {
    const WriteCase& c = GetParam();
    ScriptedHidTransport transport;
    VirtualClock clock;
    DeviceLink link{transport, clock};
    auto script = transport.Add(OrvexCommandInterface());
    script->writeResults.assign(c.results.begin(), c.results.end());
    ASSERT_TRUE(link.OpenMouse());

    EXPECT_EQ(link.SendFeature(FeatureReport::Command(2, 0, 0).bytes), c.expectedSent);
    EXPECT_EQ(static_cast<int>(script->writes.size()), c.expectedAttempts);
    EXPECT_TRUE(clock.Sleeps().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SendFeatureRetry,
    ::testing::Values(
        WriteCase{"accepted", {}, 1, true},
        WriteCase{"unlistedErrorNotRetried", {HidError::Other}, 1, false},
        WriteCase{"goneDeviceNotRetried", {HidError::NoDevice}, 1, false},
        WriteCase{"functionFailedThenSent", {HidError::FunctionFailed, HidError::None}, 2, true},
        WriteCase{"notReadyTwice", {HidError::NotReady, HidError::NotReady}, 2, false},
        WriteCase{"crcThenSent", {HidError::Crc}, 2, true},
        WriteCase{"writeFaultThenSent", {HidError::WriteFault}, 2, true},
        WriteCase{"invalidParameterThenSent", {HidError::InvalidParameter}, 2, true}),
    [](const auto& p) { return std::string(p.param.name); });

struct PollCase {
    const char* name;
    std::vector<std::uint8_t> statuses;
    bool expectedDone;
    int expectedReads;
    int expectedBusyWaits;
};

class PollStatusSequence : public ::testing::TestWithParam<PollCase> {};

TEST_P(PollStatusSequence, ReadsAndWaitsAsTheFirmwareNeeds) {
    const PollCase& c = GetParam();
    ScriptedHidTransport transport;
    VirtualClock clock;
    DeviceLink link{transport, clock};
    auto script = transport.Add(OrvexCommandInterface());
    for (std::uint8_t status : c.statuses) {
        script->QueueStatuses({status});
    }
    script->statusReplies.back().bytes[16] = 0x5A;  // reply data rides on the last read
    ASSERT_TRUE(link.OpenMouse());

    FeatureReport buffer = FeatureReport::StatusRequest();
    EXPECT_EQ(link.PollStatus(buffer), c.expectedDone);
    EXPECT_EQ(script->reads, c.expectedReads);
    EXPECT_EQ(clock.Sleeps(), std::vector<Milliseconds>(c.expectedBusyWaits, Milliseconds{20}));
    EXPECT_EQ(buffer.ReplyByte(0), c.expectedDone ? 0x5A : 0x00) << "buffer untouched on failure";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PollStatusSequence,
    ::testing::Values(PollCase{"doneAtOnce", {1}, true, 1, 0},
                      PollCase{"busyThenDone", {4, 1}, true, 2, 1},
                      PollCase{"busyThreeTimes", {4, 4, 4}, false, 3, 2},
                      PollCase{"neverDone", {0, 0, 0, 0, 0}, false, 5, 0},
                      PollCase{"busyOnThirdReadEndsIt", {0, 0, 4}, false, 3, 0},
                      PollCase{"busyLateStillWaits", {4, 0, 0, 4, 1}, true, 5, 2},
                      PollCase{"doneOnFifthRead", {2, 3, 0, 0, 1}, true, 5, 0}),
    [](const auto& p) { return std::string(p.param.name); });

TEST_F(DeviceLinkTest, FailedStatusReadEndsThePollAtOnce) {
    auto script = transport.Add(OrvexCommandInterface());
    script->readError = HidError::WriteFault;
    ASSERT_TRUE(link.OpenMouse());

    FeatureReport buffer = FeatureReport::StatusRequest();
    EXPECT_FALSE(link.PollStatus(buffer));
    EXPECT_EQ(script->reads, 1);
    EXPECT_EQ(buffer.bytes, FeatureReport::StatusRequest().bytes);
}

}  // namespace
}  // namespace orvex
