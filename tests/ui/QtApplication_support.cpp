// Every widget test needs one QApplication for the whole test program. It is made before the
// first test runs and destroyed after the last.
#include <gtest/gtest.h>

#include <QApplication>
#include <memory>

#include "ui/skin/MessageBox.h"

namespace {

class QtApplicationEnvironment : public ::testing::Environment {
  public:
    void SetUp() override {
        // Running the program by hand behaves like under CTest: no windows on the desktop.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        app_ = std::make_unique<QApplication>(argc_, argv_);
        // A message box nobody expected must fail its test, not wait for a click forever.
        orvex::ui::MessageBox::SetUnattended(true);
    }

    void TearDown() override { app_.reset(); }

  private:
    int argc_ = 1;
    char programName_[16] = "orvex_ui_tests";
    char* argv_[2] = {programName_, nullptr};
    std::unique_ptr<QApplication> app_;
};

const auto* const environment = ::testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);

}  // namespace
