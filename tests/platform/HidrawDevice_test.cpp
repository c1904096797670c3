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

}  // namespace
}  // namespace orvex::platform

namespace orvex::platform {
namespace {

// Two programs open the mouse's node each for themselves; two opens of one file show the same.
TEST(HidrawDeviceTest, AnExchangeLockHeldThroughOneOpeningKeepsTheOtherWaitingUntilReleased) {
    char path[] = "/tmp/orvex-hidraw-lock-XXXXXX";
    const int made = ::mkstemp(path);
    ASSERT_GE(made, 0);
    ::close(made);
    HidrawDevice first(UniqueFd(::open(path, O_RDWR | O_CLOEXEC)));
    HidrawDevice second(UniqueFd(::open(path, O_RDWR | O_CLOEXEC)));

    EXPECT_TRUE(first.TryLockExchange());
    EXPECT_FALSE(second.TryLockExchange());
    first.UnlockExchange();
    EXPECT_TRUE(second.TryLockExchange());
    EXPECT_FALSE(first.TryLockExchange());
    second.UnlockExchange();
    ::unlink(path);
}

}  // namespace
}  // namespace orvex::platform
