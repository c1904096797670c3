#include <gtest/gtest.h>

#include <QDir>
#include <QStandardPaths>
#include <QSystemTrayIcon>
#include <QTest>

#include "ui/layout/MainWindowLayout.h"
#include "x11/ProgramUnderTest.h"
#include "x11/RunCommand.h"

namespace orvex::testing {
namespace {

const QString kWindowTitle = QStringLiteral("ORVEX SK Software");

QProcessEnvironment ProgramEnvironment(const QTemporaryDir& folder) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"),
                       folder.filePath(QStringLiteral("config")));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"),
                       folder.filePath(QStringLiteral("runtime")));
    environment.insert(QStringLiteral("GSETTINGS_BACKEND"), QStringLiteral("keyfile"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    environment.remove(QStringLiteral("ORVEX_DEBUG"));
    return environment;
}

}  // namespace

void ProgramUnderTest::SetUp() {
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

void ProgramUnderTest::TearDown() {
    for (QProcess* process : {&program_, &tray_}) {
        if (process->state() != QProcess::NotRunning) {
            process->kill();
            process->waitForFinished(5000);
        }
    }
}

void ProgramUnderTest::StartTray(const QString& edge) {
    if (QStandardPaths::findExecutable(QStringLiteral("trayer")).isEmpty()) {
        GTEST_SKIP() << "trayer (the tray host these tests use) is not installed";
    }
    tray_.start(QStringLiteral("trayer"), {QStringLiteral("--edge"), edge,
                                           QStringLiteral("--align"), QStringLiteral("right")});
    ASSERT_TRUE(QTest::qWaitFor([] { return QSystemTrayIcon::isSystemTrayAvailable(); }, kStartMs));
}

void ProgramUnderTest::SetProgramVariable(const QString& name, const QString& value) {
    programVariables_.insert(name, value);
}

void ProgramUnderTest::StartProgram(QProcess& process, const QStringList& extra) {
    QProcessEnvironment environment = ProgramEnvironment(folder_);
    for (const QString& name : programVariables_.keys()) {
        const QString value = programVariables_.value(name);
        if (value.isEmpty()) {
            environment.remove(name);
        } else {
            environment.insert(name, value);
        }
    }
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(channels_);
    process.start(QStringLiteral(ORVEX_SK_PATH),
                  QStringList{QStringLiteral("--simulate=") + StateFile()} + extra);
    ASSERT_TRUE(process.waitForStarted(kStartMs));
}

void ProgramUnderTest::StartAndWaitForWindow() {
    StartProgram(program_);
    ASSERT_TRUE(QTest::qWaitFor(WindowShown, kStartMs)) << "the window did not show";
    // The window is mapped before it has painted; give it the moment a user would.
    Settle();
}

QStringList ProgramUnderTest::VisibleWindows(const QString& pattern, const QString& field) {
    QProcess search;
    search.start(QStringLiteral("xdotool"),
                 {QStringLiteral("search"), QStringLiteral("--onlyvisible"), field, pattern});
    search.waitForFinished(5000);
    return QString::fromLatin1(search.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
}

ProgramUnderTest::ScreenRect ProgramUnderTest::Geometry(const QString& window) {
    QProcess query;
    query.start(QStringLiteral("xdotool"),
                {QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), window});
    query.waitForFinished(5000);
    ScreenRect rect;
    for (const QString& line : QString::fromLatin1(query.readAllStandardOutput()).split(u'\n')) {
        const QString value = line.section(u'=', 1);
        if (line.startsWith(QStringLiteral("X="))) {
            rect.x = value.toInt();
        } else if (line.startsWith(QStringLiteral("Y="))) {
            rect.y = value.toInt();
        } else if (line.startsWith(QStringLiteral("WIDTH="))) {
            rect.width = value.toInt();
        } else if (line.startsWith(QStringLiteral("HEIGHT="))) {
            rect.height = value.toInt();
        }
    }
    return rect;
}

QStringList ProgramUnderTest::SmallWindows() {
    QStringList windows =
        VisibleWindows(QStringLiteral("^orvex-sk$"), QStringLiteral("--classname"));
    for (const QString& shown : VisibleWindows(kWindowTitle)) {
        windows.removeAll(shown);
    }
    return windows;
}

QStringList ProgramUnderTest::MenuWindows() {
    return VisibleWindows(QStringLiteral("^menu$"));
}

bool ProgramUnderTest::WindowShown() {
    return !VisibleWindows(kWindowTitle).isEmpty();
}

std::string ProgramUnderTest::MainWindowId() {
    const QStringList windows = VisibleWindows(kWindowTitle);
    EXPECT_EQ(windows.size(), 1) << "one main window";
    return windows.isEmpty() ? std::string("0") : windows.front().toStdString();
}

void ProgramUnderTest::ClickInWindow(QPoint point) const {
    StepOffThePointer(0, 0);
    ASSERT_EQ(RunCommand({"xdotool", "mousemove", "--sync", "--window", MainWindowId(),
                          std::to_string(point.x()), std::to_string(point.y()), "click", "1"}),
              0);
    Settle();
}

void ProgramUnderTest::ClickInWindow(const ui::layout::LayoutRect& rect) const {
    ClickInWindow(QPoint(rect.left + rect.width / 2, rect.top + rect.height / 2));
}

void ProgramUnderTest::ClickOnPage(const ui::layout::LayoutRect& rectOnPage) const {
    namespace main = ui::layout::mainwindow;
    ClickInWindow(QPoint(main::kPageOrigin.x + rectOnPage.left + rectOnPage.width / 2,
                         main::kPageOrigin.y + rectOnPage.top + rectOnPage.height / 2));
}

void ProgramUnderTest::StepOffThePointer(int x, int y) {
    // "mousemove --sync" waits for the pointer to move and never returns when it is already at
    // the point (two clicks at one place, or a test starting where the last one clicked): it is
    // first taken to a corner that is not the point.
    const std::string corner = x == 0 && y == 0 ? "1" : "0";
    ASSERT_EQ(RunCommand({"xdotool", "mousemove", corner, corner}), 0);
}

bool ProgramUnderTest::ClickAt(const std::vector<std::string>& where, int button, int repeat) {
    // None of the points these clicks go to is the screen's corner.
    StepOffThePointer(0, 0);
    std::vector<std::string> command{"xdotool", "mousemove", "--sync"};
    command.insert(command.end(), where.begin(), where.end());
    command.insert(command.end(), {"click", "--repeat", std::to_string(repeat), "--delay", "80",
                                   std::to_string(button)});
    return RunCommand(command) == 0;
}

void ProgramUnderTest::MoveTo(int x, int y, bool click) {
    StepOffThePointer(x, y);
    std::vector<std::string> command{"xdotool", "mousemove", "--sync", std::to_string(x),
                                     std::to_string(y)};
    if (click) {
        command.insert(command.end(), {"click", "1"});
    }
    ASSERT_EQ(RunCommand(command), 0);
    Settle();
}

void ProgramUnderTest::PointAtEntry(const QString& menu, int entryCount, int entry, bool click) {
    // A menu window's entries share its height evenly but for a 4-pixel margin above and below.
    const ScreenRect rect = Geometry(menu);
    const int entryHeight = (rect.height - 8) / entryCount;
    MoveTo(rect.x + 30, rect.y + 4 + entry * entryHeight + entryHeight / 2, click);
}

void ProgramUnderTest::FocusWindow(const std::string& window) {
    ASSERT_EQ(RunCommand({"xdotool", "windowfocus", "--sync", window}), 0);
    Settle();
}

void ProgramUnderTest::TypeKeys(const QStringList& keys) {
    std::vector<std::string> command{"xdotool", "key", "--delay", "30"};
    for (const QString& key : keys) {
        command.push_back(key.toStdString());
    }
    ASSERT_EQ(RunCommand(command), 0);
    Settle();
}

void ProgramUnderTest::Settle() {
    // xdotool returns once the server has the events; the program reads them from its socket on
    // its next pass through the event loop. A short real wait is the only way to see that from
    // another process.
    QTest::qWait(150);
}

QByteArray ProgramUnderTest::Orvexctl(const QStringList& arguments, int* exitCode) const {
    QProcess ctl;
    ctl.setProcessEnvironment(ProgramEnvironment(folder_));
    ctl.start(QStringLiteral(ORVEXCTL_PATH),
              QStringList{QStringLiteral("--simulate=") + StateFile()} + arguments);
    EXPECT_TRUE(ctl.waitForFinished(kStartMs));
    if (exitCode != nullptr) {
        *exitCode = ctl.exitCode();
    }
    return ctl.readAllStandardOutput();
}

QByteArray ProgramUnderTest::MouseImage(int slot) const {
    return Orvexctl({QStringLiteral("sim"), QStringLiteral("image"), QString::number(slot)});
}

QByteArray ProgramUnderTest::SlotFileImage(int slot) const {
    return Orvexctl({QStringLiteral("image"), QString::fromStdString(SlotFile(slot).string()),
                     QStringLiteral("--slot"), QString::number(slot)});
}

bool ProgramUnderTest::WaitUntilMouseHoldsTheSlotFiles() const {
    return QTest::qWaitFor(
        [this] {
            for (int slot = 1; slot <= 5; ++slot) {
                if (!std::filesystem::exists(SlotFile(slot)) ||
                    MouseImage(slot) != SlotFileImage(slot)) {
                    return false;
                }
            }
            return true;
        },
        kStartMs);
}

std::filesystem::path ProgramUnderTest::ConfigFolder() const {
    return std::filesystem::path(folder_.filePath(QStringLiteral("config")).toStdString()) /
           "Velnor" / "ORVEX SK";
}

std::filesystem::path ProgramUnderTest::MacroListFile() const {
    return ConfigFolder() / "Macros" / "macroList.dat";
}

std::filesystem::path ProgramUnderTest::GSettingsKeyFile() const {
    return std::filesystem::path(folder_.filePath(QStringLiteral("config")).toStdString()) /
           "glib-2.0" / "settings" / "keyfile";
}

std::filesystem::path ProgramUnderTest::SlotFile(int slot) const {
    return ConfigFolder() / "Profiles" / ("Default" + std::to_string(slot) + ".profile");
}

QString ProgramUnderTest::StateFile() const {
    return folder_.filePath(QStringLiteral("mouse.state"));
}

}  // namespace orvex::testing
