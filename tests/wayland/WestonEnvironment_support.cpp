// The wayland test program runs on one headless weston shared by all its tests, with one
// QApplication on Qt's wayland platform connected to it. Settings go to throw-away places, and
// there is no session bus, as in the x11 tests.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTemporaryDir>
#include <memory>

#include "ui/skin/MessageBox.h"
#include "wayland/WestonServer.h"

namespace orvex::testing {
namespace {

std::unique_ptr<WestonServer>& SharedServer() {
    static std::unique_ptr<WestonServer> server;
    return server;
}

QString& SkipReason() {
    static QString reason = QStringLiteral("the shared weston has not been started");
    return reason;
}

bool HasQtWaylandPlatform() {
    const QDir platforms(QLibraryInfo::path(QLibraryInfo::PluginsPath) +
                         QStringLiteral("/platforms"));
    return !platforms.entryList({QStringLiteral("libqwayland*")}).isEmpty();
}

class WestonEnvironment : public ::testing::Environment {
  public:
    void SetUp() override {
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(settings_.path()));
        qputenv("GSETTINGS_BACKEND", "keyfile");
        qputenv("DBUS_SESSION_BUS_ADDRESS",
                "unix:path=" + QFile::encodeName(settings_.filePath(QStringLiteral("no-bus"))));
        if (!HasQtWaylandPlatform()) {
            SkipReason() = QStringLiteral("Qt's wayland platform is not installed (qt6-wayland)");
        } else {
            SharedServer() = WestonServer::Start(SkipReason());
        }
        if (SharedServer()) {
            SkipReason().clear();
            qputenv("QT_QPA_PLATFORM", "wayland");
        } else {
            std::printf("Wayland tests skipped: %s\n", qPrintable(SkipReason()));
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        app_ = std::make_unique<QApplication>(argc_, argv_);
        orvex::ui::MessageBox::SetUnattended(true);
    }

    void TearDown() override {
        app_.reset();
        SharedServer().reset();
    }

  private:
    QTemporaryDir settings_;
    int argc_ = 1;
    char programName_[24] = "orvex_wayland_tests";
    char* argv_[2] = {programName_, nullptr};
    std::unique_ptr<QApplication> app_;
};

const auto* const environment = ::testing::AddGlobalTestEnvironment(new WestonEnvironment);

}  // namespace

WestonServer* SharedWeston() {
    return SharedServer().get();
}

const QString& SharedWestonSkipReason() {
    return SkipReason();
}

}  // namespace orvex::testing
