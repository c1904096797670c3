#include "sim/StateFileShare.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "core/device/DeviceCommands.h"
#include "core/device/DeviceLink.h"
#include "core/device/VirtualClock.h"
#include "sim/VirtualMouseStateFile.h"
#include "sim/VirtualMouseTransport.h"

namespace orvex::sim {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

// One program using the shared mouse: its own mouse object, transport and link.
struct Process {
    explicit Process(const fs::path& file) : share(file) {}

    StateFileShare share;
    VirtualMouse mouse;
    VirtualMouseTransport transport{mouse, &share};
    VirtualClock clock;
    DeviceLink link{transport, clock};
};

class StateFileShareTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("orvex-sim-share-" + std::to_string(std::random_device{}()));
        fs::create_directories(folder_);
        file_ = folder_ / "mouse.state";
    }
    void TearDown() override { fs::remove_all(folder_); }

    fs::path folder_;
    fs::path file_;
};

TEST_F(StateFileShareTest, TwoProgramsSeeOneMouse) {
    Process first(file_);
    Process second(file_);
    ASSERT_TRUE(first.link.OpenMouse());
    ASSERT_TRUE(second.link.OpenMouse());

    ASSERT_EQ(SetActiveProfile(first.link, 3), DeviceResult::Done);
    const auto active = ReadActiveProfile(second.link);

    ASSERT_TRUE(active.ok());
    EXPECT_EQ(active.value, 3);
    EXPECT_TRUE(first.share.lastError().empty());
    EXPECT_EQ(LoadMouseState(file_).state.activeProfile, 3);
}

TEST_F(StateFileShareTest, FaultsWrittenIntoTheFileReachARunningProgram) {
    Process program(file_);
    ASSERT_TRUE(program.link.OpenMouse());

    std::ofstream(file_) << "orvex-virtual-mouse 1\nfault-busy-reads 1\nunplugged 0\n";
    ASSERT_TRUE(ReadFirmwareVersion(program.link).ok());
    EXPECT_EQ(program.clock.Sleeps(), (std::vector<Milliseconds>{50ms, 20ms}));
    EXPECT_EQ(LoadMouseState(file_).state.faults.busyReads, 0u);

    std::ofstream(file_) << "orvex-virtual-mouse 1\nunplugged 1\n";
    EXPECT_FALSE(ReadFirmwareVersion(program.link).ok());
    EXPECT_FALSE(program.link.OpenMouse());
}

TEST_F(StateFileShareTest, DamagedFileIsReportedAndLeftAlone) {
    const std::string damaged = "orvex-virtual-mouse 1\nactive-profile 7\n";
    std::ofstream(file_) << damaged;
    Process program(file_);

    ASSERT_TRUE(program.link.OpenMouse());
    EXPECT_EQ(SetActiveProfile(program.link, 2), DeviceResult::Done);

    EXPECT_NE(program.share.lastError().find("line 2"), std::string::npos)
        << program.share.lastError();
    std::stringstream content;
    content << std::ifstream(file_).rdbuf();
    EXPECT_EQ(content.str(), damaged);
}

TEST_F(StateFileShareTest, MissingFileIsCreatedByTheFirstChangeOnly) {
    Process program(file_);
    ASSERT_TRUE(program.link.OpenMouse());
    EXPECT_FALSE(fs::exists(file_));  // listing and opening change nothing

    ASSERT_TRUE(ReadFirmwareVersion(program.link).ok());
    EXPECT_TRUE(fs::exists(file_));
}

}  // namespace
}  // namespace orvex::sim
