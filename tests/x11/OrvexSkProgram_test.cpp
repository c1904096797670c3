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

// The program's windows other than the main window: its tray icon and an open menu. Qt names
// neither, but they carry the program's window class.
QStringList SmallWindows() {
    QStringList windows = ProgramUnderTest::VisibleWindows(QStringLiteral("^orvex-sk$"),
                                                           QStringLiteral("--classname"));
    for (const QString& shown : ProgramUnderTest::VisibleWindows(kWindowTitle)) {
        windows.removeAll(shown);
    }
    return windows;
}

class OrvexSkProgramTest : public ProgramUnderTest {
  protected:
    void TearDown() override {
        if (trayer_.state() != QProcess::NotRunning) {
            trayer_.kill();
            trayer_.waitForFinished(5000);
        }
        ProgramUnderTest::TearDown();
    }

    QString MacroListFile() const {
        return QString::fromStdString((ConfigFolder() / "Macros" / "macroList.dat").string());
    }

    QProcess& first_ = program_;
    QProcess trayer_;
};

TEST_F(OrvexSkProgramTest, ApplyPutsTheFiveSlotFilesOnTheMouseByteForByte) {
    StartAndWaitForWindow();
    const QByteArray before = MouseImage(3);
    ClickInWindow(main::kApply);
    ASSERT_TRUE(WaitUntilMouseHoldsTheSlotFiles());
    EXPECT_EQ(MouseImage(3).size(), 2048);
    EXPECT_NE(MouseImage(3), before) << "the mouse starts without the program's profiles";
}

TEST_F(OrvexSkProgramTest, ASecondStartShowsTheFirstOnesWindowAndEndsAtOnce) {
    StartProgram(first_);
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
    EXPECT_EQ(first_.state(), QProcess::Running);
}

TEST_F(OrvexSkProgramTest, WithATrayHostTheIconIsEmbeddedAndItsMenusExitEndsTheProgram) {
    if (QStandardPaths::findExecutable(QStringLiteral("trayer")).isEmpty()) {
        GTEST_SKIP() << "trayer (the tray host these tests use) is not installed";
    }
    // The tray at the bottom right, as on the desktop the menu placement was made for.
    trayer_.start(QStringLiteral("trayer"), {QStringLiteral("--edge"), QStringLiteral("bottom"),
                                             QStringLiteral("--align"), QStringLiteral("right")});
    ASSERT_TRUE(QTest::qWaitFor([] { return QSystemTrayIcon::isSystemTrayAvailable(); }, kStartMs));

    StartProgram(first_);
    ASSERT_TRUE(QTest::qWaitFor([] { return SmallWindows().size() == 1; }, kStartMs))
        << "the icon is embedded in the tray";

    // A right press opens the tray menu with its bottom-right corner at the pointer; "Exit" is
    // its last entry, just above and left of the pointer.
    const std::string icon = SmallWindows().front().toStdString();
    ASSERT_EQ(RunCommand({"xdotool", "mousemove", "--window", icon, "8", "8", "click", "3"}), 0);
    ASSERT_TRUE(QTest::qWaitFor([] { return SmallWindows().size() == 2; }, kStartMs))
        << "the tray menu is open";
    ASSERT_EQ(RunCommand({"xdotool", "mousemove_relative", "--", "-30", "-10", "click", "1"}), 0);

    ASSERT_TRUE(first_.waitForFinished(kStartMs));
    EXPECT_EQ(first_.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(first_.exitCode(), 0);
    EXPECT_TRUE(QFile::exists(MacroListFile())) << "the macro list is saved at exit";
}

}  // namespace
}  // namespace orvex::testing
