// The built orvex-sk on the shared X server, as a user starts it: its own configuration, runtime
// and virtual-mouse files in a temporary folder, windows found and clicked with xdotool.
#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QSystemTrayIcon>
#include <QTemporaryDir>
#include <QTest>
#include <string>

#include "ui/layout/MainWindowLayout.h"
#include "x11/ProgramUnderTest.h"
#include "x11/RunCommand.h"

namespace orvex::testing {
namespace {

namespace main = ui::layout::mainwindow;

const QString kWindowTitle = QStringLiteral("ORVEX SK Software");

using OrvexSkProgramTest = ProgramUnderTest;

TEST_F(OrvexSkProgramTest, ApplyPutsTheFiveSlotFilesOnTheMouseByteForByte) {
    StartAndWaitForWindow();
    const QByteArray before = MouseImage(3);
    ClickInWindow(main::kApply);
    ASSERT_TRUE(WaitUntilMouseHoldsTheSlotFiles());
    EXPECT_EQ(MouseImage(3).size(), 2048);
    EXPECT_NE(MouseImage(3), before) << "the mouse starts without the program's profiles";
}

TEST_F(OrvexSkProgramTest, QtsEventHandlingStaysWithTheThreadThatStartsTheProgram) {
    // The skin is decoded on a second thread while the application object is made. Qt takes the
    // first thread that makes a QObject for its main thread, so that thread must make none.
    channels_ = QProcess::SeparateChannels;
    StartAndWaitForWindow();
    program_.terminate();
    ASSERT_TRUE(program_.waitForFinished(kStartMs));
    const QString errors = QString::fromLocal8Bit(program_.readAllStandardError());
    EXPECT_FALSE(errors.contains(QStringLiteral("main() thread"))) << errors.toStdString();
}

TEST_F(OrvexSkProgramTest, ASecondStartShowsTheFirstOnesWindowAndEndsAtOnce) {
    StartTray(QStringLiteral("bottom"));
    if (IsSkipped()) {
        return;
    }
    StartProgram(program_);
    ASSERT_TRUE(QTest::qWaitFor(WindowShown, kStartMs));

    // Cancel hides the window; the program lives on in the tray.
    ClickInWindow(main::kCancel);
    ASSERT_TRUE(QTest::qWaitFor([] { return !WindowShown(); }, kStartMs));

    QProcess second;
    StartProgram(second);
    ASSERT_TRUE(second.waitForFinished(kStartMs));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_TRUE(QTest::qWaitFor(WindowShown, kStartMs));
    EXPECT_EQ(VisibleWindows(kWindowTitle).size(), 1) << "one window, the first one's";
    EXPECT_EQ(program_.state(), QProcess::Running);
}

TEST_F(OrvexSkProgramTest, WithATrayHostTheIconIsEmbeddedAndItsMenusExitEndsTheProgram) {
    // The tray at the bottom right, as on the desktop the menu placement was made for.
    StartTray(QStringLiteral("bottom"));
    if (IsSkipped()) {
        return;
    }

    StartProgram(program_);
    ASSERT_TRUE(QTest::qWaitFor([] { return SmallWindows().size() == 1; }, kStartMs))
        << "the icon is embedded in the tray";

    // A right press opens the tray menu with its bottom-right corner at the pointer; "Exit" is
    // its last entry, just above and left of the pointer.
    const std::string icon = SmallWindows().front().toStdString();
    ASSERT_EQ(RunCommand({"xdotool", "mousemove", "--window", icon, "8", "8", "click", "3"}), 0);
    ASSERT_TRUE(QTest::qWaitFor([] { return SmallWindows().size() == 2; }, kStartMs))
        << "the tray menu is open";
    ASSERT_EQ(RunCommand({"xdotool", "mousemove_relative", "--", "-30", "-10", "click", "1"}), 0);

    ASSERT_TRUE(program_.waitForFinished(kStartMs));
    EXPECT_EQ(program_.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program_.exitCode(), 0);
    EXPECT_TRUE(std::filesystem::exists(MacroListFile())) << "the macro list is saved at exit";
}

}  // namespace
}  // namespace orvex::testing
