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
#include "x11/RunCommand.h"
#include "x11/XvfbServer.h"

namespace orvex::testing {
namespace {

constexpr int kStartMs = 15000;
const QString kWindowTitle = QStringLiteral("ORVEX SK Software");

// The ids of the visible windows whose name (or with `field` "--classname", class) matches
// `pattern`.
QStringList VisibleWindows(const QString& pattern,
                           const QString& field = QStringLiteral("--name")) {
    QProcess search;
    search.start(QStringLiteral("xdotool"),
                 {QStringLiteral("search"), QStringLiteral("--onlyvisible"), field, pattern});
    search.waitForFinished(5000);
    return QString::fromLatin1(search.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
}

// The program's windows other than the main window: its tray icon and an open menu. Qt names
// neither, but they carry the program's window class.
QStringList SmallWindows() {
    QStringList windows =
        VisibleWindows(QStringLiteral("^orvex-sk$"), QStringLiteral("--classname"));
    for (const QString& main : VisibleWindows(kWindowTitle)) {
        windows.removeAll(main);
    }
    return windows;
}

class OrvexSkProgramTest : public XvfbTest {
  protected:
    void SetUp() override {
        XvfbTest::SetUp();
        if (IsSkipped()) {
            return;
        }
        ASSERT_TRUE(folder_.isValid());
        for (const char* sub : {"config", "runtime"}) {
            ASSERT_TRUE(QDir(folder_.path()).mkdir(QString::fromLatin1(sub)));
        }
        QFile(folder_.filePath(QStringLiteral("runtime")))
            .setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    void TearDown() override {
        for (QProcess* process : {&first_, &trayer_}) {
            if (process->state() != QProcess::NotRunning) {
                process->kill();
                process->waitForFinished(5000);
            }
        }
    }

    void StartProgram(QProcess& process) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"),
                           folder_.filePath(QStringLiteral("config")));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"),
                           folder_.filePath(QStringLiteral("runtime")));
        environment.insert(QStringLiteral("GSETTINGS_BACKEND"), QStringLiteral("keyfile"));
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        process.setProcessEnvironment(environment);
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.start(
            QStringLiteral(ORVEX_SK_PATH),
            {QStringLiteral("--simulate=") + folder_.filePath(QStringLiteral("mouse.state"))});
        ASSERT_TRUE(process.waitForStarted(kStartMs));
    }

    static bool WindowShown() { return !VisibleWindows(kWindowTitle).isEmpty(); }

    QString MacroListFile() const {
        return folder_.filePath(QStringLiteral("config/Velnor/ORVEX SK/Macros/macroList.dat"));
    }

    QTemporaryDir folder_;
    QProcess first_;
    QProcess trayer_;
};

TEST_F(OrvexSkProgramTest, ASecondStartShowsTheFirstOnesWindowAndEndsAtOnce) {
    StartProgram(first_);
    ASSERT_TRUE(QTest::qWaitFor(WindowShown, kStartMs));

    // Cancel hides the window; the program lives on in the tray.
    namespace main = ui::layout::mainwindow;
    const QRect cancel(main::kCancel.left, main::kCancel.top, main::kCancel.width,
                       main::kCancel.height);
    const std::string window = VisibleWindows(kWindowTitle).front().toStdString();
    ASSERT_EQ(
        RunCommand({"xdotool", "mousemove", "--window", window, std::to_string(cancel.center().x()),
                    std::to_string(cancel.center().y()), "click", "1"}),
        0);
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
