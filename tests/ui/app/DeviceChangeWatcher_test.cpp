#include "ui/app/DeviceChangeWatcher.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <string>
#include <vector>

#include "sim/StateFileShare.h"
#include "sim/VirtualMouse.h"
#include "sim/VirtualMouseStateFile.h"
#include "sim/VirtualMouseTransport.h"

namespace orvex::ui {
namespace {

using platform::HotplugEvent;

// What the watcher reported, in order: "arrived" or "removed".
class Reports {
  public:
    explicit Reports(DeviceChangeWatcher& watcher) {
        QObject::connect(&watcher, &DeviceChangeWatcher::Arrived,
                         [this] { seen.push_back("arrived"); });
        QObject::connect(&watcher, &DeviceChangeWatcher::Removed,
                         [this] { seen.push_back("removed"); });
    }
    std::vector<std::string> seen;
};

TEST(DeviceChangeWatcherTest, SystemEventsAreReportedOnlyForTheMouse) {
    const std::string mouse =
        "/sys/devices/pci0000:00/0000:00:14.0/usb1/1-2/1-2:1.1/0003:2A3C:3B19.0004";
    const std::string sameMakerOtherProduct = "/sys/devices/virtual/misc/uhid/0003:2A3C:3B20.0007";
    const std::string otherMaker = "/sys/devices/pci0000:00/usb1/1-3/1-3:1.0/0003:046D:C52B.0002";
    DeviceChangeWatcher watcher;
    Reports reports(watcher);

    watcher.HandleHotplugEvent(
        {HotplugEvent::Arrival, otherMaker + "/hidraw/hidraw1", "/dev/hidraw1"});
    watcher.HandleHotplugEvent(
        {HotplugEvent::Arrival, sameMakerOtherProduct + "/hidraw/hidraw2", ""});
    watcher.HandleHotplugEvent({HotplugEvent::Removal, otherMaker + "/hidraw/hidraw1", ""});
    EXPECT_TRUE(reports.seen.empty());

    watcher.HandleHotplugEvent({HotplugEvent::Arrival, mouse + "/hidraw/hidraw3", "/dev/hidraw3"});
    // The kernel names the mouse's ids in lower case on some buses.
    watcher.HandleHotplugEvent(
        {HotplugEvent::Removal, "/sys/devices/x/0003:2a3c:3b19.0004/hidraw/hidraw3", ""});
    EXPECT_EQ(reports.seen, (std::vector<std::string>{"arrived", "removed"}));
}

class StateFileWatchTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder_.isValid());
        SetUnplugged(false);
    }

    // What `orvexctl --simulate=FILE sim set unplugged N` does to the file.
    void SetUnplugged(bool unplugged) {
        sim::StateLoadResult loaded = sim::LoadMouseState(path());
        loaded.state.unplugged = unplugged;
        ASSERT_TRUE(sim::SaveMouseState(path(), loaded.state).ok);
    }

    void SetActiveProfile(std::uint8_t profile) {
        sim::StateLoadResult loaded = sim::LoadMouseState(path());
        loaded.state.activeProfile = profile;
        ASSERT_TRUE(sim::SaveMouseState(path(), loaded.state).ok);
    }

    std::filesystem::path path() const {
        return folder_.filePath(QStringLiteral("mouse.state")).toStdString();
    }

    QTemporaryDir folder_;
};

TEST_F(StateFileWatchTest, FlippingTheUnpluggedFlagReportsRemovalThenArrival) {
    // The window's own virtual mouse, reading the file shared with orvexctl.
    sim::VirtualMouse mouse;
    sim::StateFileShare share(path());
    sim::VirtualMouseTransport transport(mouse, &share);
    DeviceChangeWatcher watcher;
    Reports reports(watcher);
    QSignalSpy arrived(&watcher, &DeviceChangeWatcher::Arrived);
    QSignalSpy removed(&watcher, &DeviceChangeWatcher::Removed);
    constexpr std::chrono::milliseconds kPoll{20};
    watcher.WatchStateFile(
        QString::fromStdString(path().string()),
        [&] { return DeviceChangeWatcher::TransportListsMouse(transport); }, kPoll);
    EXPECT_TRUE(reports.seen.empty()) << "the mouse present at the start is no arrival";

    SetUnplugged(true);
    ASSERT_TRUE(removed.wait(3000));
    SetActiveProfile(3);
    SetUnplugged(false);
    ASSERT_TRUE(arrived.wait(3000));
    SetActiveProfile(1);
    // A change that leaves the mouse plugged in reports nothing, however often it is looked at.
    QTest::qWait(3 * static_cast<int>(kPoll.count()));
    EXPECT_EQ(reports.seen, (std::vector<std::string>{"removed", "arrived"}));
}

}  // namespace
}  // namespace orvex::ui
