#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "core/device/DeviceCommands.h"
#include "sim/VirtualMouseRig.h"

namespace orvex::sim {
namespace {

struct BusyCase {
    std::uint32_t busyReads;
    bool succeeds;
    std::size_t reads;
    Waits waits;
};

class VirtualMouseBusy : public ::testing::TestWithParam<BusyCase> {};

TEST_P(VirtualMouseBusy, StatusPollWaitsOutBusyAnswersUpToTheThirdRead) {
    const BusyCase& busy = GetParam();
    VirtualMouseRig rig;
    ASSERT_TRUE(rig.Open());
    rig.mouse.faults().busyReads = busy.busyReads;

    const auto firmware = ReadFirmwareVersion(rig.link);

    EXPECT_EQ(firmware.ok(), busy.succeeds);
    if (busy.succeeds) {
        EXPECT_EQ(firmware.value, kDefaultFirmwareVersion);
    }
    EXPECT_EQ(rig.log().Reads(kFeatureReportId), busy.reads);
    EXPECT_EQ(rig.waits(), busy.waits);
}

INSTANTIATE_TEST_SUITE_P(Streaks, VirtualMouseBusy,
                         ::testing::Values(BusyCase{1, true, 2, {50ms, 20ms}},
                                           BusyCase{2, true, 3, {50ms, 20ms, 20ms}},
                                           BusyCase{3, false, 3, {50ms, 20ms, 20ms}}));

TEST(VirtualMouseFaults, BusyStreakOutlivesOneCommandAndIsUsedUpByTheNext) {
    VirtualMouseRig rig;
    ASSERT_TRUE(rig.Open());
    rig.mouse.faults().busyReads = 4;
    EXPECT_FALSE(ReadActiveProfile(rig.link).ok());  // three busy answers
    EXPECT_TRUE(ReadActiveProfile(rig.link).ok());   // the fourth, then done
    EXPECT_EQ(rig.mouse.faults().busyReads, 0u);
}

TEST(VirtualMouseFaults, StatusThatNeverBecomesDoneFailsAfterFiveReadsWithoutPollWait) {
    VirtualMouseRig rig;
    ASSERT_TRUE(rig.Open());
    rig.mouse.faults().neverDone = true;

    EXPECT_EQ(ReadFirmwareVersion(rig.link).result, DeviceResult::Failed);
    EXPECT_EQ(rig.log().Writes(kFeatureReportId), 1u);
    EXPECT_EQ(rig.log().Reads(kFeatureReportId), 5u);
    EXPECT_EQ(rig.waits(), Waits{50ms});
}

struct WriteFaultCase {
    TransferFault fault;
    bool sent;
    std::size_t writes;
};

std::string WriteFaultName(const ::testing::TestParamInfo<WriteFaultCase>& info) {
    std::string name = HidErrorName(info.param.fault.error);
    name += info.param.fault.repeat == FaultRepeat::Once ? "_once" : "_always";
    for (char& c : name) {
        if (c == '-') {
            c = '_';
        }
    }
    return name;
}

class VirtualMouseWriteFault : public ::testing::TestWithParam<WriteFaultCase> {};

TEST_P(VirtualMouseWriteFault, TransientClassesAreWrittenOnceMoreOthersAreNot) {
    const WriteFaultCase& fault = GetParam();
    VirtualMouseRig rig;
    ASSERT_TRUE(rig.Open());
    rig.mouse.faults().failedWrite = fault.fault;

    const auto firmware = ReadFirmwareVersion(rig.link);

    EXPECT_EQ(firmware.ok(), fault.sent);
    EXPECT_EQ(rig.log().Writes(kFeatureReportId), fault.writes);
    EXPECT_EQ(rig.log().Reads(kFeatureReportId), fault.sent ? 1u : 0u);
    EXPECT_EQ(rig.waits(), fault.sent ? Waits{50ms} : Waits{});
}

INSTANTIATE_TEST_SUITE_P(
    ErrorClasses, VirtualMouseWriteFault,
    ::testing::Values(WriteFaultCase{TransferFault::Once(HidError::NotReady), true, 2},
                      WriteFaultCase{TransferFault::Once(HidError::Crc), true, 2},
                      WriteFaultCase{TransferFault::Once(HidError::WriteFault), true, 2},
                      WriteFaultCase{TransferFault::Once(HidError::InvalidParameter), true, 2},
                      WriteFaultCase{TransferFault::Once(HidError::FunctionFailed), true, 2},
                      WriteFaultCase{TransferFault::Always(HidError::FunctionFailed), false, 2},
                      WriteFaultCase{TransferFault::Once(HidError::NoDevice), false, 1},
                      WriteFaultCase{TransferFault::Once(HidError::AccessDenied), false, 1},
                      WriteFaultCase{TransferFault::Once(HidError::Other), false, 1}),
    WriteFaultName);

// A command whose report never gets through: some commands give up at once, the sensor commands
// still wait their time, as the firmware may have acted on the report anyway.
struct FailedWriteCase {
    std::string name;
    std::function<bool(DeviceLink&)> run;  // true when the command succeeded
    Waits waits;
};

class VirtualMouseFailedWrite : public ::testing::TestWithParam<FailedWriteCase> {};

TEST_P(VirtualMouseFailedWrite, CommandFailsWithoutStatusReadAfterItsWaitRule) {
    VirtualMouseRig rig;
    ASSERT_TRUE(rig.Open());
    rig.mouse.faults().failedWrite = TransferFault::Always(HidError::WriteFault);
    const VirtualMouseState before = rig.mouse.state();

    EXPECT_FALSE(GetParam().run(rig.link));

    EXPECT_EQ(rig.waits(), GetParam().waits);
    EXPECT_EQ(rig.log().Writes(kFeatureReportId), 2u);
    EXPECT_EQ(rig.log().Reads(kFeatureReportId), 0u);
    EXPECT_EQ(rig.mouse.state(), before);
}

INSTANTIATE_TEST_SUITE_P(
    AllCommands, VirtualMouseFailedWrite,
    ::testing::Values(
        FailedWriteCase{"ReadFirmwareVersion",
                        [](DeviceLink& link) { return ReadFirmwareVersion(link).ok(); },
                        {}},
        FailedWriteCase{
            "ReadActiveProfile", [](DeviceLink& link) { return ReadActiveProfile(link).ok(); }, {}},
        FailedWriteCase{
            "SetActiveProfile",
            [](DeviceLink& link) { return SetActiveProfile(link, 3) == DeviceResult::Done; },
            {}},
        FailedWriteCase{
            "StartSurfaceAnalysis",
            [](DeviceLink& link) { return StartSurfaceAnalysis(link) == DeviceResult::Done; },
            {10ms}},
        FailedWriteCase{"ReadSurfaceQuality",
                        [](DeviceLink& link) { return ReadSurfaceQuality(link).ok(); },
                        {10ms}},
        FailedWriteCase{
            "TestLiftDistance",
            [](DeviceLink& link) { return TestLiftDistance(link, 12) == DeviceResult::Done; },
            {20ms}},
        FailedWriteCase{
            "SaveLiftDistance",
            [](DeviceLink& link) { return SaveLiftDistance(link, 12) == DeviceResult::Done; },
            {200ms}}),
    CaseName());

TEST(VirtualMouseFaults, ActiveProfileReplyAboveFourIsAFailure) {
    for (const auto& [reply, ok] : {std::pair{4, true}, {5, false}, {255, false}}) {
        SCOPED_TRACE(reply);
        VirtualMouseRig rig;
        ASSERT_TRUE(rig.Open());
        rig.mouse.faults().activeProfileReply = static_cast<std::uint8_t>(reply);
        const auto active = ReadActiveProfile(rig.link);
        EXPECT_EQ(active.result, ok ? DeviceResult::Done : DeviceResult::Failed);
        if (ok) {
            EXPECT_EQ(active.value, reply);
        }
    }
}

TEST(VirtualMouseFaults, FailedStatusReadEndsThePollAtOnce) {
    VirtualMouseRig rig;
    ASSERT_TRUE(rig.Open());
    rig.mouse.faults().failedRead = TransferFault::Once(HidError::Crc);

    EXPECT_EQ(SetActiveProfile(rig.link, 2), DeviceResult::Failed);
    EXPECT_EQ(rig.log().Reads(kFeatureReportId), 1u);
    EXPECT_EQ(rig.mouse.state().activeProfile, 2);  // the report itself arrived

    EXPECT_TRUE(ReadActiveProfile(rig.link).ok());  // a one-shot fault is gone
}

TEST(VirtualMouseFaults, FaultForOneReportIdLeavesTheOtherAlone) {
    VirtualMouseRig rig;
    ASSERT_TRUE(rig.Open());
    rig.mouse.faults().failedWrite = TransferFault::Always(HidError::NoDevice, kBulkReportId);

    EXPECT_TRUE(ReadFirmwareVersion(rig.link).ok());
    const BulkReport upload = BulkReport::Upload(0, 0, std::array<std::uint8_t, kImageChunkSize>{});
    EXPECT_FALSE(rig.link.SendFeature(upload.bytes));
    EXPECT_TRUE(rig.mouse.faults().failedWrite.Armed());
}

}  // namespace
}  // namespace orvex::sim
