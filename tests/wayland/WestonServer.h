#pragma once

#include <gtest/gtest.h>

#include <QProcess>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

namespace orvex::testing {

// A Wayland compositor without a screen (weston's headless back end), for tests of the program
// as a native Wayland client. Its socket lives in a runtime folder of its own; while it runs,
// XDG_RUNTIME_DIR and WAYLAND_DISPLAY name it.
class WestonServer {
  public:
    // Null, with the reason in whyNot, when weston is not installed or did not come up.
    static std::unique_ptr<WestonServer> Start(QString& whyNot);
    ~WestonServer();
    WestonServer(const WestonServer&) = delete;
    WestonServer& operator=(const WestonServer&) = delete;

    // What the compositor shows, as `weston-debug scene-graph` prints it: outputs, layers and the
    // views in them, top-level windows with their titles.
    QString SceneGraph() const;
    // The titles of the top-level windows the compositor shows.
    QStringList ToplevelTitles() const;
    // Where the compositor shows the first view whose description holds `description` (for
    // example "xdg_popup", or "top-level window 'NAME'"), in output pixels; empty when none.
    QRect ViewGeometry(const QString& description) const;

  private:
    WestonServer() = default;

    QTemporaryDir runtimeFolder_;
    QProcess weston_;
};

// The compositor the whole test program shares, started before the QApplication, so Qt's wayland
// platform is connected to it; null when none could be started (Qt then runs offscreen).
WestonServer* SharedWeston();
const QString& SharedWestonSkipReason();

// Base of every test that needs the shared compositor: skips, saying why, when there is none.
class WestonTest : public ::testing::Test {
  protected:
    void SetUp() override;
};

}  // namespace orvex::testing
