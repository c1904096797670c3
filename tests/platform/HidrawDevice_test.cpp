#include "platform/linux/HidrawDevice.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <vector>

namespace orvex::platform {
namespace {

// Without a hidraw node here, /dev/null stands in: it refuses the ioctls the way a wrong node
// would, which shows the size checks run first and kernel errors come back as error classes.
TEST(HidrawDeviceTest, RejectsUnsendableSizesAndReportsKernelErrors) {
    HidrawDevice device(UniqueFd(::open("/dev/null", O_RDWR | O_CLOEXEC)));
    std::vector<std::uint8_t> empty;
    std::vector<std::uint8_t> huge(HidrawDevice::kMaxReportSize + 1, 0x60);
    std::vector<std::uint8_t> report(64, 0);
    report[0] = 0x60;

    EXPECT_EQ(device.SetFeature(empty), HidError::InvalidParameter);
    EXPECT_EQ(device.GetFeature(empty), HidError::InvalidParameter);
    EXPECT_EQ(device.SetFeature(huge), HidError::InvalidParameter);
    EXPECT_EQ(device.GetFeature(huge), HidError::InvalidParameter);
    EXPECT_EQ(device.SetFeature(report), HidError::Other);  // ENOTTY
    EXPECT_EQ(device.GetFeature(report), HidError::Other);
    EXPECT_EQ(report[0], 0x60);
}

TEST(HidrawDeviceTest, AClosedHandleCountsAsAGoneDevice) {
    HidrawDevice device{UniqueFd()};
    std::vector<std::uint8_t> report(64, 0);
    EXPECT_EQ(device.SetFeature(report), HidError::NoDevice);  // EBADF
    EXPECT_EQ(device.GetFeature(report), HidError::NoDevice);
}

// Two programs open the mouse's node each for themselves; two opens of one file show the same.
class TwoOpeningsTest : public ::testing::Test {
  protected:
    ~TwoOpeningsTest() override { ::unlink(path_); }

    static int Made(char* path) {
        const int made = ::mkstemp(path);
        if (made >= 0) {
            ::close(made);
        }
        return made;
    }

    char path_[32] = "/tmp/orvex-hidraw-lock-XXXXXX";
    const int made_ = Made(path_);
    HidrawDevice first{UniqueFd(::open(path_, O_RDWR | O_CLOEXEC))};
    HidrawDevice second{UniqueFd(::open(path_, O_RDWR | O_CLOEXEC))};
};

TEST_F(TwoOpeningsTest, AnExchangeLockHeldThroughOneOpeningKeepsTheOtherWaitingUntilReleased) {
    ASSERT_GE(made_, 0);
    EXPECT_TRUE(first.TryLockExchange());
    EXPECT_FALSE(second.TryLockExchange());
    first.UnlockExchange();
    EXPECT_TRUE(second.TryLockExchange());
    EXPECT_FALSE(first.TryLockExchange());
    second.UnlockExchange();
}

// The waiting sign is seen by the other opening only, and apart from the exchange lock itself.
TEST_F(TwoOpeningsTest, AWaitingSignIsSeenByTheOtherOpeningUntilTakenDown) {
    ASSERT_GE(made_, 0);
    HidrawDevice& holder = first;
    HidrawDevice& waiter = second;
    ASSERT_TRUE(holder.TryLockExchange());
    EXPECT_FALSE(holder.OthersWaitingForExchange());
    waiter.SetWaitingForExchange(true);
    EXPECT_TRUE(holder.OthersWaitingForExchange());
    EXPECT_FALSE(waiter.OthersWaitingForExchange());
    holder.UnlockExchange();
    EXPECT_TRUE(waiter.TryLockExchange());
    waiter.SetWaitingForExchange(false);
    EXPECT_FALSE(holder.OthersWaitingForExchange());
    waiter.UnlockExchange();
}

}  // namespace
}  // namespace orvex::platform
