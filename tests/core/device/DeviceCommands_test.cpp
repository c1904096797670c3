#include "core/device/DeviceCommands.h"

#include <gtest/gtest.h>

#include <functional>

#include "core/device/ScriptedHid.h"
#include "core/device/VirtualClock.h"

namespace orvex {
namespace {

using namespace std::chrono_literals;

using testing::OrvexCommandInterface;
using testing::ScriptedDeviceScript;
using testing::ScriptedHidTransport;

class DeviceCommandsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        script = transport.Add(OrvexCommandInterface());
        ASSERT_TRUE(link.OpenMouse());
    }

    void ReplyWith(std::initializer_list<std::uint8_t> replyBytes) {
        FeatureReport reply = ScriptedDeviceScript::Done();
        std::size_t i = FeatureReport::kReplyOffset;
        for (std::uint8_t b : replyBytes) {
            reply.bytes[i++] = b;
        }
        script->statusReplies.push_back(reply);
    }

    ScriptedHidTransport transport;
    VirtualClock clock;
    DeviceLink link{transport, clock};
    std::shared_ptr<ScriptedDeviceScript> script;
};

struct CommandCase {
    const char* name;
    std::function<DeviceResult(DeviceLink&)> run;
    std::uint8_t code;
    std::uint8_t subCommand;
    std::uint8_t parameter;
    int waitMs;
    bool waitsAfterFailedWrite;
};

const CommandCase kCommands[] = {
    {"ReadFirmwareVersion", [](DeviceLink& l) { return ReadFirmwareVersion(l).result; }, 0x02, 0, 0,
     50, false},
    {"ReadActiveProfile", [](DeviceLink& l) { return ReadActiveProfile(l).result; }, 0x03, 0, 0, 10,
     false},
    {"SetActiveProfile", [](DeviceLink& l) { return SetActiveProfile(l, 3); }, 0x04, 0, 3, 1500,
     false},
    {"StartSurfaceAnalysis", [](DeviceLink& l) { return StartSurfaceAnalysis(l); }, 0x05, 0x01, 0,
     10, true},
    {"ReadSurfaceQuality", [](DeviceLink& l) { return ReadSurfaceQuality(l).result; }, 0x05, 0x02,
     0, 10, true},
    {"TestLiftDistance", [](DeviceLink& l) { return TestLiftDistance(l, 17); }, 0x06, 0x01, 17, 20,
     true},
    {"SaveLiftDistance", [](DeviceLink& l) { return SaveLiftDistance(l, 31); }, 0x06, 0x02, 31, 200,
     true},
};

class EveryCommand : public DeviceCommandsTest,
                     public ::testing::WithParamInterface<CommandCase> {};

TEST_P(EveryCommand, SendsItsRequestWaitsAndPolls) {
    const CommandCase& c = GetParam();
    EXPECT_EQ(c.run(link), DeviceResult::Done);

    ASSERT_EQ(script->writes.size(), 1u);
    std::vector<std::uint8_t> expected(64, 0);
    expected[0] = 0x60;
    expected[1] = c.code;
    expected[2] = c.subCommand;
    expected[5] = c.parameter;
    EXPECT_EQ(script->writes[0], expected);
    EXPECT_EQ(clock.Sleeps(), std::vector<Milliseconds>{Milliseconds{c.waitMs}});
    EXPECT_EQ(script->reads, 1);
    // The request and its status read in one hold of the mouse, released afterwards.
    EXPECT_EQ(script->locks, 1);
    EXPECT_EQ(script->transfersUnlocked, 0);
    EXPECT_FALSE(script->locked);
}

TEST_P(EveryCommand, FailedWriteFailsWithoutPollingAndWaitsOnlyWhereTheFirmwareNeedsIt) {
    const CommandCase& c = GetParam();
    script->writeResults = {HidError::NoDevice};

    EXPECT_EQ(c.run(link), DeviceResult::Failed);
    EXPECT_EQ(script->reads, 0);
    const auto expectedSleeps = c.waitsAfterFailedWrite
                                    ? std::vector<Milliseconds>{Milliseconds{c.waitMs}}
                                    : std::vector<Milliseconds>{};
    EXPECT_EQ(clock.Sleeps(), expectedSleeps);
}

TEST_P(EveryCommand, FailedPollFails) {
    const CommandCase& c = GetParam();
    script->QueueStatuses({0, 0, 0, 0, 0});
    EXPECT_EQ(c.run(link), DeviceResult::Failed);
    EXPECT_EQ(script->reads, 5);
}

INSTANTIATE_TEST_SUITE_P(Commands, EveryCommand, ::testing::ValuesIn(kCommands),
                         [](const auto& p) { return std::string(p.param.name); });

// Another program's exchange with the mouse (orvexctl beside the window, say) is waited for in
// 10 ms steps, showing the wait to others meanwhile; one that outlasts the limit makes the command
// fail, with nothing sent, rather than read the other program's answer.
TEST_F(DeviceCommandsTest, AnotherProgramsExchangeIsWaitedForWithinTheLimitThenTheMouseIsBusy) {
    struct HoldCase {
        int failedAttempts;
        DeviceResult result;
        Milliseconds waited;
    };
    const Milliseconds firmwareWait{50};
    for (const HoldCase& c : {HoldCase{0, DeviceResult::Done, firmwareWait},
                              HoldCase{3, DeviceResult::Done, 30ms + firmwareWait},
                              HoldCase{500, DeviceResult::Done, 5000ms + firmwareWait},
                              HoldCase{501, DeviceResult::Failed, 5000ms},
                              HoldCase{-1, DeviceResult::Failed, 5000ms}}) {
        SCOPED_TRACE(c.failedAttempts);
        script->writes.clear();
        clock.ClearSleeps();
        script->heldByOtherFor = c.failedAttempts;
        script->everWaited = false;

        EXPECT_EQ(ReadFirmwareVersion(link).result, c.result);
        EXPECT_EQ(clock.TotalSlept(), c.waited);
        EXPECT_EQ(script->writes.empty(), c.result == DeviceResult::Failed);
        EXPECT_FALSE(script->locked);
        EXPECT_EQ(script->everWaited, c.failedAttempts != 0);
        EXPECT_FALSE(script->waiting);
    }
}

// Without the turn, a program polling for the mouse every 10 ms would almost never hit the
// microseconds between two of Apply's uploads and would wait for all five.
TEST_F(DeviceCommandsTest, AProgramWaitingForTheMouseGetsATurnBeforeTheNextExchange) {
    script->othersWaiting = true;
    EXPECT_EQ(ReadFirmwareVersion(link).result, DeviceResult::Done);
    EXPECT_EQ(clock.Sleeps(), (std::vector<Milliseconds>{DeviceLink::kExchangeTurn, 50ms}));
    EXPECT_FALSE(script->everWaited);
}

TEST_F(DeviceCommandsTest, RepliesAreTakenFromTheStatusReport) {
    ReplyWith({0x9A, 0x00});
    const auto firmware = ReadFirmwareVersion(link);
    ASSERT_TRUE(firmware.ok());
    EXPECT_EQ(firmware.value, 154);
    EXPECT_EQ(FormatFirmwareVersion(firmware.value), "1.54");

    ReplyWith({4});
    const auto active = ReadActiveProfile(link);
    ASSERT_TRUE(active.ok());
    EXPECT_EQ(active.value, 4);

    ReplyWith({255});
    const auto quality = ReadSurfaceQuality(link);
    ASSERT_TRUE(quality.ok());
    EXPECT_EQ(quality.value, 255);
}

TEST_F(DeviceCommandsTest, ActiveProfileOutOfRangeIsAFailure) {
    ReplyWith({5});
    EXPECT_EQ(ReadActiveProfile(link).result, DeviceResult::Failed);
}

TEST_F(DeviceCommandsTest, CommandsWithoutAHandleFail) {
    link.CloseMouse();
    EXPECT_EQ(SetActiveProfile(link, 0), DeviceResult::Failed);
    EXPECT_TRUE(clock.Sleeps().empty());
    EXPECT_EQ(SaveLiftDistance(link, 12), DeviceResult::Failed);
    EXPECT_EQ(clock.Sleeps(), std::vector<Milliseconds>{Milliseconds{200}});
}

TEST(FirmwareVersionText, ShowsTheWordAsHundredths) {
    EXPECT_EQ(FormatFirmwareVersion(123), "1.23");
    EXPECT_EQ(FormatFirmwareVersion(0), "0.00");
    EXPECT_EQ(FormatFirmwareVersion(65535), "655.35");
}

TEST(LiftDistanceRange, ClampsToWhatTheSensorAccepts) {
    EXPECT_EQ(ClampLiftDistance(-3), 6);
    EXPECT_EQ(ClampLiftDistance(5), 6);
    EXPECT_EQ(ClampLiftDistance(6), 6);
    EXPECT_EQ(ClampLiftDistance(12), 12);
    EXPECT_EQ(ClampLiftDistance(31), 31);
    EXPECT_EQ(ClampLiftDistance(40), 31);
}

}  // namespace
}  // namespace orvex
