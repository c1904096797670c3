#include "platform/linux/HidrawDevice.h"

#include <fcntl.h>
#include <gtest/gtest.h>

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
