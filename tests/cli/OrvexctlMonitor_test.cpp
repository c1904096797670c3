#include <gtest/gtest.h>

#include "cli/OrvexctlRunner.h"

namespace orvex {
namespace {

using testing::RunOrvexctlBinary;

// Arrivals and removals need a kernel that can plug a device in (the VM test has one); here the
// monitor must at least listen, stay quiet and end on its own.
TEST(OrvexctlMonitorTest, ListensAndEndsAtItsTimeout) {
    const auto result = RunOrvexctlBinary({"monitor", "--timeout", "0.2"});
    if (result.exitCode == 3) {
        GTEST_SKIP() << "no netlink monitor here: " << result.err;
    }
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "monitor: listening\n");
}

}  // namespace
}  // namespace orvex
