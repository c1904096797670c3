#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "core/device/DeviceCommands.h"
#include "sim/VirtualMouseRig.h"

namespace orvex::sim {
namespace {

// What a command gave back: its result, and its reply value where it has one.
struct Outcome {
    DeviceResult result = DeviceResult::Failed;
    int value = -1;
};

template <typename T>
Outcome From(const DeviceReply<T>& reply) {
    return {reply.result, reply.ok() ? static_cast<int>(reply.value) : -1};
}

Outcome From(DeviceResult result) {
    return {result, -1};
}

struct CommandCase {
    std::string name;
    std::function<void(VirtualMouseState&)> prepare;
    std::function<Outcome(DeviceLink&)> run;
    Outcome expected;
    Waits waits;
    std::function<void(const VirtualMouseState&)> check;
};

void Nothing(VirtualMouseState&) {}
void NoCheck(const VirtualMouseState&) {}

class VirtualMouseCommand : public ::testing::TestWithParam<CommandCase> {};

TEST_P(VirtualMouseCommand, RunsEndToEndWithOneWriteOneReadAndItsWait) {
    const CommandCase& command = GetParam();
    VirtualMouseRig rig;
    command.prepare(rig.mouse.state());
    ASSERT_TRUE(rig.Open());

    const Outcome outcome = command.run(rig.link);

    EXPECT_EQ(outcome.result, command.expected.result);
    EXPECT_EQ(outcome.value, command.expected.value);
    EXPECT_EQ(rig.waits(), command.waits);
    EXPECT_EQ(rig.log().Writes(kFeatureReportId), 1u);
    EXPECT_EQ(rig.log().Reads(kFeatureReportId), 1u);
    command.check(rig.mouse.state());
}

INSTANTIATE_TEST_SUITE_P(
    AllCommands, VirtualMouseCommand,
    ::testing::Values(CommandCase{"FirmwareDefault",
                                  Nothing,
                                  [](DeviceLink& link) { return From(ReadFirmwareVersion(link)); },
                                  {DeviceResult::Done, 122},
                                  {50ms},
                                  NoCheck},
                      CommandCase{"FirmwareSetWord",
                                  [](VirtualMouseState& state) { state.firmwareVersion = 0x9A; },
                                  [](DeviceLink& link) { return From(ReadFirmwareVersion(link)); },
                                  {DeviceResult::Done, 154},
                                  {50ms},
                                  NoCheck},
                      CommandCase{"FirmwareHighByte",
                                  [](VirtualMouseState& state) { state.firmwareVersion = 0x1234; },
                                  [](DeviceLink& link) { return From(ReadFirmwareVersion(link)); },
                                  {DeviceResult::Done, 0x1234},
                                  {50ms},
                                  NoCheck},
                      CommandCase{"ActiveProfile",
                                  [](VirtualMouseState& state) { state.activeProfile = 4; },
                                  [](DeviceLink& link) { return From(ReadActiveProfile(link)); },
                                  {DeviceResult::Done, 4},
                                  {10ms},
                                  NoCheck},
                      CommandCase{"SetActiveProfile",
                                  Nothing,
                                  [](DeviceLink& link) { return From(SetActiveProfile(link, 3)); },
                                  {DeviceResult::Done, -1},
                                  {1500ms},
                                  [](const VirtualMouseState& state) {
                                      EXPECT_EQ(state.activeProfile, 3);
                                  }},
                      CommandCase{"StartSurfaceAnalysis",
                                  Nothing,
                                  [](DeviceLink& link) { return From(StartSurfaceAnalysis(link)); },
                                  {DeviceResult::Done, -1},
                                  {10ms},
                                  [](const VirtualMouseState& state) {
                                      EXPECT_TRUE(state.surfaceAnalysisStarted);
                                  }},
                      CommandCase{"SurfaceQuality",
                                  [](VirtualMouseState& state) { state.surfaceQuality = 77; },
                                  [](DeviceLink& link) { return From(ReadSurfaceQuality(link)); },
                                  {DeviceResult::Done, 77},
                                  {10ms},
                                  NoCheck},
                      CommandCase{"TestLiftDistance",
                                  Nothing,
                                  [](DeviceLink& link) { return From(TestLiftDistance(link, 6)); },
                                  {DeviceResult::Done, -1},
                                  {20ms},
                                  [](const VirtualMouseState& state) {
                                      EXPECT_EQ(state.testedLiftDistance, 6);
                                      EXPECT_EQ(state.savedLiftDistance, 0);
                                  }},
                      CommandCase{"SaveLiftDistance",
                                  Nothing,
                                  [](DeviceLink& link) { return From(SaveLiftDistance(link, 31)); },
                                  {DeviceResult::Done, -1},
                                  {200ms},
                                  [](const VirtualMouseState& state) {
                                      EXPECT_EQ(state.savedLiftDistance, 31);
                                      EXPECT_EQ(state.testedLiftDistance, 0);
                                  }}),
    CaseName());

TEST(VirtualMouseCommands, SetActiveProfileIsReadBack) {
    VirtualMouseRig rig;
    ASSERT_TRUE(rig.Open());
    ASSERT_EQ(SetActiveProfile(rig.link, 3), DeviceResult::Done);
    const auto active = ReadActiveProfile(rig.link);
    ASSERT_TRUE(active.ok());
    EXPECT_EQ(active.value, 3);
    EXPECT_EQ(rig.waits(), (Waits{1500ms, 10ms}));
}

TEST(VirtualMouseCommands, SurfaceAnalysisThenQuality) {
    VirtualMouseRig rig;
    ASSERT_TRUE(rig.Open());
    ASSERT_EQ(StartSurfaceAnalysis(rig.link), DeviceResult::Done);
    const auto quality = ReadSurfaceQuality(rig.link);
    ASSERT_TRUE(quality.ok());
    EXPECT_EQ(quality.value, kDefaultSurfaceQuality);
}

// The firmware takes these reports but rejects them with a status that is neither done nor
// busy, so the poll reads five times without waiting and the command fails; nothing changes.
struct RejectedCase {
    std::string name;
    std::function<bool(DeviceLink&)> run;  // true when the command succeeded
    Milliseconds commandWait;
};

class VirtualMouseRejects : public ::testing::TestWithParam<RejectedCase> {};

TEST_P(VirtualMouseRejects, BadRequestFailsAfterFiveReadsAndChangesNothing) {
    VirtualMouseRig rig;
    ASSERT_TRUE(rig.Open());
    const VirtualMouseState before = rig.mouse.state();

    EXPECT_FALSE(GetParam().run(rig.link));

    EXPECT_EQ(rig.log().Writes(kFeatureReportId), 1u);
    EXPECT_EQ(rig.log().Reads(kFeatureReportId), 5u);
    EXPECT_EQ(rig.waits(), Waits{GetParam().commandWait});
    VirtualMouseState after = rig.mouse.state();
    after.status = before.status;  // the rejection is all that may differ
    EXPECT_EQ(after, before);
}

INSTANTIATE_TEST_SUITE_P(
    BadRequests, VirtualMouseRejects,
    ::testing::Values(
        RejectedCase{"ProfileAboveFour",
                     [](DeviceLink& link) {
                         return SetActiveProfile(link, kProfileCount) == DeviceResult::Done;
                     },
                     1500ms},
        RejectedCase{"LiftDistanceBelowRange",
                     [](DeviceLink& link) {
                         return TestLiftDistance(link, kMinLiftDistance - 1) == DeviceResult::Done;
                     },
                     20ms},
        RejectedCase{"LiftDistanceAboveRange",
                     [](DeviceLink& link) {
                         return SaveLiftDistance(link, kMaxLiftDistance + 1) == DeviceResult::Done;
                     },
                     200ms},
        RejectedCase{"UnknownCommand",
                     [](DeviceLink& link) {
                         return CommandExchange(link, DeviceCommand{0x09, 0, 30ms}).has_value();
                     },
                     30ms},
        RejectedCase{"UnknownSurfaceSubCommand",
                     [](DeviceLink& link) {
                         return CommandExchange(link, DeviceCommand{0x05, 0x03, 10ms}).has_value();
                     },
                     10ms},
        RejectedCase{"UploadCommandOnTheCommandReport",
                     [](DeviceLink& link) {
                         return CommandExchange(link, DeviceCommand{0x08, 0, 60ms}).has_value();
                     },
                     60ms}),
    CaseName());

// The kernel refuses a feature report whose size does not match the report id; that error class
// is a transient one, so the link writes twice.
TEST(VirtualMouseCommands, ReportsOfTheWrongSizeOrIdAreRefusedLikeTheKernelDoes) {
    VirtualMouseRig rig;
    ASSERT_TRUE(rig.Open());
    const FeatureReport command = FeatureReport::Command(0x04, 0, 1);
    const std::vector<std::vector<std::uint8_t>> bad{
        {command.bytes.begin(), command.bytes.end() - 1},
        [&] {
            auto longer = std::vector<std::uint8_t>(command.bytes.begin(), command.bytes.end());
            longer.push_back(0);
            return longer;
        }(),
        [&] {
            auto other = std::vector<std::uint8_t>(command.bytes.begin(), command.bytes.end());
            other[0] = 0x62;
            return other;
        }(),
        std::vector<std::uint8_t>(kBulkReportSize - 1, kBulkReportId),
        {},
    };
    for (const auto& report : bad) {
        SCOPED_TRACE(report.size());
        rig.transport.log().Clear();
        EXPECT_FALSE(rig.link.SendFeature(report));
        ASSERT_EQ(rig.log().transfers().size(), 2u);
        EXPECT_EQ(rig.log().transfers()[1].result, HidError::InvalidParameter);
    }
    EXPECT_EQ(rig.mouse.state().activeProfile, 0);

    std::array<std::uint8_t, kFeatureReportSize + 1> longStatus{kFeatureReportId};
    auto device = rig.transport.Open(VirtualMouseTransport::kCommandPath);
    EXPECT_EQ(device->GetFeature(longStatus), HidError::InvalidParameter);
    std::array<std::uint8_t, kBulkReportSize> bulkRead{kBulkReportId};
    EXPECT_EQ(device->GetFeature(bulkRead), HidError::InvalidParameter);
}

}  // namespace
}  // namespace orvex::sim
