#include "x11/XvfbServer.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <string>

namespace orvex::testing {
namespace {

TEST_F(XvfbTest, ASecondServerGetsItsOwnDisplayAndStoppingItRestoresDisplay) {
    const std::string shared = SharedXvfb()->display();
    ASSERT_EQ(shared, std::getenv("DISPLAY"));
    std::string whyNot;
    {
        auto own = XvfbServer::Start(whyNot);
        ASSERT_NE(own, nullptr) << whyNot;
        EXPECT_NE(own->display(), shared);
        EXPECT_EQ(own->display(), std::getenv("DISPLAY"));
    }
    EXPECT_EQ(shared, std::getenv("DISPLAY"));
}

TEST(XvfbServer, WithoutXvfbOnThePathSaysWhy) {
    const std::string path = std::getenv("PATH");
    ::setenv("PATH", "/nonexistent", 1);
    std::string whyNot;
    auto server = XvfbServer::Start(whyNot);
    ::setenv("PATH", path.c_str(), 1);
    EXPECT_EQ(server, nullptr);
    EXPECT_NE(whyNot.find("not installed"), std::string::npos);
}

}  // namespace
}  // namespace orvex::testing
