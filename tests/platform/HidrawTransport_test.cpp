#include "platform/linux/HidrawTransport.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace orvex::platform {
namespace {

// This machine may have no HID devices at all; listing must still come back cleanly.
TEST(HidrawTransportTest, ListsTheNodesOfThisMachine) {
    HidrawTransport transport;
    for (const HidInterfaceInfo& info : transport.ListInterfaces()) {
        EXPECT_EQ(info.path.rfind("/dev/", 0), 0u) << info.path;
    }
}

TEST(HidrawTransportTest, OpenSaysWhyItFailed) {
    HidrawTransport transport;
    EXPECT_EQ(transport.Open("/dev/hidraw-that-does-not-exist"), nullptr);
    EXPECT_EQ(transport.LastOpenError(), HidError::NoDevice);

    // Opens fine but is no hidraw node, so feature ioctls must never reach it.
    EXPECT_EQ(transport.Open("/dev/null"), nullptr);
    EXPECT_EQ(transport.LastOpenError(), HidError::Other);
}

TEST(HidrawTransportTest, OpenReportsAccessDenied) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "root opens any file";
    }
    const std::filesystem::path locked =
        std::filesystem::temp_directory_path() / ("orvex-locked-" + std::to_string(::getpid()));
    std::ofstream(locked).put('x');
    std::filesystem::permissions(locked, std::filesystem::perms::none);

    HidrawTransport transport;
    EXPECT_EQ(transport.Open(locked.string()), nullptr);
    EXPECT_EQ(transport.LastOpenError(), HidError::AccessDenied);
    std::filesystem::remove(locked);
}

}  // namespace
}  // namespace orvex::platform
