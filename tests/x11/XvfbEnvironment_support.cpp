// The x11 test program runs on one Xvfb server shared by all its tests, with one QApplication on
// Qt's xcb platform connected to it. Desktop settings the tests change go to throw-away places:
// the X server's own state and a GSettings key file in a temporary folder, never the
// developer's desktop or its session bus.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <QApplication>
#include <filesystem>
#include <memory>
#include <random>

#include "ui/skin/MessageBox.h"
#include "x11/XvfbServer.h"

namespace orvex::testing {
namespace {

std::unique_ptr<XvfbServer>& SharedServer() {
    static std::unique_ptr<XvfbServer> server;
    return server;
}

std::string& SkipReason() {
    static std::string reason = "the shared Xvfb server has not been started";
    return reason;
}

class XvfbEnvironment : public ::testing::Environment {
  public:
    void SetUp() override {
        UseThrowAwaySettings();
        SharedServer() = XvfbServer::Start(SkipReason());
        if (SharedServer()) {
            SkipReason().clear();
            qputenv("QT_QPA_PLATFORM", "xcb");
        } else {
            std::printf("X11 tests skipped: %s\n", SkipReason().c_str());
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        app_ = std::make_unique<QApplication>(argc_, argv_);
        // A message box nobody expected must fail its test, not wait for a click forever.
        orvex::ui::MessageBox::SetUnattended(true);
    }

    void TearDown() override {
        app_.reset();
        SharedServer().reset();
        std::error_code ignored;
        std::filesystem::remove_all(settingsFolder_, ignored);
    }

  private:
    void UseThrowAwaySettings() {
        std::random_device random;
        settingsFolder_ = std::filesystem::temp_directory_path() /
                          ("orvex-x11-config-" + std::to_string(random()));
        std::filesystem::create_directories(settingsFolder_);
        ::setenv("XDG_CONFIG_HOME", settingsFolder_.c_str(), 1);
        ::setenv("GSETTINGS_BACKEND", "keyfile", 1);
        // No session bus: Qt would otherwise put the tray icon on a desktop's D-Bus tray instead
        // of the X server's, and libdbus would start a bus of its own for the display, whose
        // connection Qt never frees.
        const std::string noBus = "unix:path=" + (settingsFolder_ / "no-session-bus").string();
        ::setenv("DBUS_SESSION_BUS_ADDRESS", noBus.c_str(), 1);
    }

    std::filesystem::path settingsFolder_;
    int argc_ = 1;
    char programName_[16] = "orvex_x11_tests";
    char* argv_[2] = {programName_, nullptr};
    std::unique_ptr<QApplication> app_;
};

const auto* const environment = ::testing::AddGlobalTestEnvironment(new XvfbEnvironment);

}  // namespace

XvfbServer* SharedXvfb() {
    return SharedServer().get();
}

const std::string& SharedXvfbSkipReason() {
    return SkipReason();
}

}  // namespace orvex::testing
