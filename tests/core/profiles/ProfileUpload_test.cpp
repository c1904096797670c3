#include "core/profiles/ProfileUpload.h"

#include <gtest/gtest.h>

#include "core/device/ScriptedHid.h"
#include "core/device/VirtualClock.h"
#include "core/profiles/DeviceImage.h"
#include "core/profiles/ProfileSamples.h"

namespace orvex {
namespace {

using testing::BindMacro;
using testing::OrvexCommandInterface;
using testing::SampleMacro;
using testing::ScriptedDeviceScript;
using testing::ScriptedHidTransport;

class ProfileUploadTest : public ::testing::Test {
  protected:
    void SetUp() override {
        script = transport.Add(OrvexCommandInterface());
        ASSERT_TRUE(link.OpenMouse());
        record = testing::RecordWithMacros();
        record.slotIndex = 3;
    }

    std::vector<Milliseconds> Sleeps() const { return clock.Sleeps(); }

    ScriptedHidTransport transport;
    VirtualClock clock;
    DeviceLink link{transport, clock};
    std::shared_ptr<ScriptedDeviceScript> script;
    ProfileRecord record;
};

TEST_F(ProfileUploadTest, SendsTwoHalvesEachFollowedByTheWaitAndAPoll) {
    ASSERT_EQ(UploadProfileImage(link, record), DeviceResult::Done);

    const DeviceProfileImage image = *BuildDeviceImage(record).image;
    ASSERT_EQ(script->writes.size(), 2u);
    for (std::size_t chunk = 0; chunk < 2; ++chunk) {
        const std::vector<std::uint8_t>& sent = script->writes[chunk];
        ASSERT_EQ(sent.size(), kBulkReportSize);
        EXPECT_EQ(sent[0], 0x61);
        EXPECT_EQ(sent[1], 0x08);
        EXPECT_EQ(sent[5], 3) << "profile number";
        EXPECT_EQ(sent[6], chunk);
        EXPECT_TRUE(std::equal(sent.begin() + 16, sent.begin() + 16 + 1024,
                               image.begin() + static_cast<std::ptrdiff_t>(chunk * 1024)));
        EXPECT_EQ(sent[1040], 0);
    }
    EXPECT_EQ(script->reads, 2);
    EXPECT_EQ(Sleeps(), (std::vector<Milliseconds>{Milliseconds{60}, Milliseconds{60}}));
    // Both halves and their status reads in one hold: no other program's read comes between.
    EXPECT_EQ(script->locks, 1);
    EXPECT_EQ(script->transfersUnlocked, 0);
    EXPECT_FALSE(script->locked);
}

TEST_F(ProfileUploadTest, AMouseHeldByAnotherProgramPastTheLimitGetsNothingAndFails) {
    script->heldByOtherFor = -1;
    EXPECT_EQ(UploadProfileImage(link, record), DeviceResult::Failed);
    EXPECT_TRUE(script->writes.empty());
}

TEST_F(ProfileUploadTest, FailingFirstPollStopsBeforeTheSecondHalf) {
    script->readError = HidError::NoDevice;
    EXPECT_EQ(UploadProfileImage(link, record), DeviceResult::Failed);
    EXPECT_EQ(script->writes.size(), 1u);
    EXPECT_EQ(Sleeps(), std::vector<Milliseconds>{Milliseconds{60}});
}

TEST_F(ProfileUploadTest, StatusThatNeverSaysDoneFailsTheUpload) {
    script->QueueStatuses({0, 0, 0, 0, 0});
    EXPECT_EQ(UploadProfileImage(link, record), DeviceResult::Failed);
    EXPECT_EQ(script->writes.size(), 1u);
}

TEST_F(ProfileUploadTest, FailedWriteStillWaitsThenFails) {
    script->writeResults = {HidError::NoDevice};  // not retried
    EXPECT_EQ(UploadProfileImage(link, record), DeviceResult::Failed);
    EXPECT_EQ(script->writes.size(), 1u);
    EXPECT_EQ(script->reads, 0);
    EXPECT_EQ(Sleeps(), std::vector<Milliseconds>{Milliseconds{60}});
}

TEST_F(ProfileUploadTest, FailingSecondHalfIsReported) {
    script->writeResults = {HidError::None, HidError::WriteFault, HidError::WriteFault};
    EXPECT_EQ(UploadProfileImage(link, record), DeviceResult::Failed);
    EXPECT_EQ(script->writes.size(), 3u);  // the second half and its one retry
}

TEST_F(ProfileUploadTest, TooManyMacroEventsAreRefusedWithNothingSent) {
    BindMacro(record, 0, SampleMacro(16, u"a", 128));
    BindMacro(record, 3, SampleMacro(17, u"b", 36));
    BindMacro(record, 8, SampleMacro(18, u"c", 0));
    ASSERT_EQ(UploadProfileImage(link, record), DeviceResult::Done);
    EXPECT_EQ(script->writes.size(), 2u);

    BindMacro(record, 8, SampleMacro(18, u"c", 1));
    script->writes.clear();
    clock.ClearSleeps();
    EXPECT_EQ(UploadProfileImage(link, record), DeviceResult::Refused);
    EXPECT_TRUE(script->writes.empty());
    EXPECT_EQ(script->reads, 2);  // only the earlier upload's polls
    EXPECT_TRUE(Sleeps().empty());
}

}  // namespace
}  // namespace orvex
