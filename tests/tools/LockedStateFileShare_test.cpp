#include "tools/LockedStateFileShare.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "platform/linux/UniqueFd.h"
#include "sim/VirtualMouse.h"
#include "sim/VirtualMouseStateFile.h"

namespace orvex::tools {
namespace {

namespace fs = std::filesystem;

class LockedStateFileShareTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("orvex-locked-share-" + std::to_string(::getpid()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    // Whether another open file description could take the lock right now.
    bool LockIsFree() const {
        const platform::UniqueFd fd(::open((state() + ".lock").c_str(), O_RDWR | O_CLOEXEC));
        if (!fd || ::flock(fd.get(), LOCK_EX | LOCK_NB) != 0) {
            return false;
        }
        ::flock(fd.get(), LOCK_UN);
        return true;
    }

    std::string state() const { return (folder_ / "mouse.state").string(); }

    fs::path folder_;
};

// orvexctl --simulate=STATE_FILE takes STATE_FILE.lock for its whole command; a transfer of the
// uhid front end must wait for it and hold it across its own load and save.
TEST_F(LockedStateFileShareTest, HoldsTheStateFilesLockFromLoadToSave) {
    sim::VirtualMouseState stored;
    stored.firmwareVersion = 154;
    ASSERT_TRUE(sim::SaveMouseState(state(), stored).ok);

    LockedStateFileShare share(state());
    sim::VirtualMouse mouse;
    bool freeDuringWork = true;
    share.Transact(mouse, [&] {
        freeDuringWork = LockIsFree();
        EXPECT_EQ(mouse.state().firmwareVersion, 154);  // loaded before the work
        mouse.state().activeProfile = 3;
    });

    EXPECT_FALSE(freeDuringWork);
    EXPECT_TRUE(LockIsFree());
    EXPECT_EQ(sim::LoadMouseState(state()).state.activeProfile, 3);
    EXPECT_EQ(share.lastError(), "");
}

TEST_F(LockedStateFileShareTest, StillRunsTheWorkWhenNoLockCanBeHad) {
    LockedStateFileShare share(folder_ / "missing-folder" / "mouse.state");
    sim::VirtualMouse mouse;
    bool ran = false;
    share.Transact(mouse, [&] { ran = true; });
    EXPECT_TRUE(ran);
    EXPECT_NE(share.lastError().find("cannot create"), std::string::npos) << share.lastError();
}

}  // namespace
}  // namespace orvex::tools
