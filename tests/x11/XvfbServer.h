#pragma once

#include <gtest/gtest.h>
#include <sys/types.h>

#include <memory>
#include <optional>
#include <string>

namespace orvex::testing {

// An Xvfb server on a display number nobody else uses, for tests of X11 behaviour. While it runs,
// DISPLAY names it; stopping it puts the previous DISPLAY back.
class XvfbServer {
  public:
    // Null, with the reason in whyNot, when Xvfb is not installed or did not come up.
    static std::unique_ptr<XvfbServer> Start(std::string& whyNot);
    ~XvfbServer();
    XvfbServer(const XvfbServer&) = delete;
    XvfbServer& operator=(const XvfbServer&) = delete;

    // ":N", as DISPLAY holds it.
    const std::string& display() const { return display_; }

  private:
    XvfbServer(pid_t pid, std::string display, std::optional<std::string> previousDisplay);

    pid_t pid_;
    std::string display_;
    std::optional<std::string> previousDisplay_;
};

// The server the whole test program shares. It is started before the QApplication, so Qt's xcb
// platform is connected to it; null when none could be started (Qt then runs offscreen).
XvfbServer* SharedXvfb();
// Why there is no shared server; empty while it runs.
const std::string& SharedXvfbSkipReason();

// Base of every test that needs the shared X server: skips, saying why, when there is none.
class XvfbTest : public ::testing::Test {
  protected:
    void SetUp() override;
};

}  // namespace orvex::testing
