#include "platform/TerminationRequests.h"

#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <unistd.h>

namespace orvex::platform {
namespace {

bool Readable(int fd) {
    pollfd ready{fd, POLLIN, 0};
    return ::poll(&ready, 1, 0) == 1;
}

volatile sig_atomic_t earlierHandlerRan = 0;
void EarlierHandler(int) {
    earlierHandlerRan = 1;
}

TEST(TerminationRequestsTest, SignalsAreNotedForTheLoopAndTheEarlierHandlingComesBack) {
    struct sigaction earlier {};
    earlier.sa_handler = EarlierHandler;
    sigemptyset(&earlier.sa_mask);
    struct sigaction saved {};
    ASSERT_EQ(::sigaction(SIGHUP, &earlier, &saved), 0);

    {
        const auto requests = CatchTerminationRequests();
        ASSERT_NE(requests, nullptr);
        EXPECT_EQ(CatchTerminationRequests(), nullptr) << "one catcher at a time";
        EXPECT_FALSE(Readable(requests->fd()));
        EXPECT_EQ(requests->TakePending(), 0);

        // The process lives on: the signal is only noted.
        ASSERT_EQ(::kill(::getpid(), SIGTERM), 0);
        EXPECT_TRUE(Readable(requests->fd()));
        EXPECT_EQ(requests->TakePending(), SIGTERM);
        EXPECT_FALSE(Readable(requests->fd()));

        ASSERT_EQ(::kill(::getpid(), SIGINT), 0);
        ASSERT_EQ(::kill(::getpid(), SIGHUP), 0);
        EXPECT_EQ(requests->TakePending(), SIGHUP) << "the last of those pending";
        EXPECT_EQ(earlierHandlerRan, 0);
    }

    ASSERT_EQ(::kill(::getpid(), SIGHUP), 0);
    EXPECT_EQ(earlierHandlerRan, 1);
    EXPECT_NE(CatchTerminationRequests(), nullptr) << "free to catch again";
    ::sigaction(SIGHUP, &saved, nullptr);
}

}  // namespace
}  // namespace orvex::platform
