// The built orvex-sk on desktops of different kinds, all on the shared X server: with a tray at
// the top of the screen, without any tray, ended by the system, and leaving the desktop's pointer
// settings alone when it runs on the virtual mouse.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <filesystem>
#include <string>

#include "ui/layout/MainWindowLayout.h"
#include "x11/ProgramUnderTest.h"
#include "x11/RunCommand.h"
#include "x11/ServerPointerControl.h"
#include "x11/WindowManagerRequests.h"

namespace orvex::testing {
namespace {

namespace main = ui::layout::mainwindow;

using OrvexSkDesktopTest = ProgramUnderTest;

TEST_F(OrvexSkDesktopTest, AtTheTopEdgeTheTrayMenuLiesOnTheScreenAndAPressOnTheDesktopClosesIt) {
    StartTray(QStringLiteral("top"));
    if (IsSkipped()) {
        return;
    }
    StartAndWaitForWindow();
    ASSERT_TRUE(QTest::qWaitFor([] { return SmallWindows().size() == 1; }, kStartMs));
    const std::string icon = SmallWindows().front().toStdString();

    // The X11 tray tells a single click from a double click: only the double click shows the
    // window.
    ClickInWindow(main::kCancel);
    ASSERT_TRUE(QTest::qWaitFor([] { return !WindowShown(); }, kStartMs));
    ASSERT_TRUE(ClickAt({"--window", icon, "8", "8"}));
    QTest::qWait(600);
    EXPECT_FALSE(WindowShown());
    ASSERT_TRUE(ClickAt({"--window", icon, "8", "8"}, 1, 2));
    ASSERT_TRUE(QTest::qWaitFor(WindowShown, kStartMs));

    ASSERT_TRUE(ClickAt({"--window", icon, "8", "8"}, 3));
    ASSERT_TRUE(QTest::qWaitFor([] { return MenuWindows().size() == 1; }, kStartMs));
    const ScreenRect shown = Geometry(MenuWindows().front());
    const QRect menu(shown.x, shown.y, shown.width, shown.height);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_TRUE(screen.contains(menu))
        << "menu at " << menu.x() << "," << menu.y() << " " << menu.width() << "x" << menu.height();

    // A press on the desktop, in no window of the program's.
    ASSERT_TRUE(ClickAt({std::to_string(screen.left() + 5), std::to_string(screen.bottom() - 5)}));
    EXPECT_TRUE(QTest::qWaitFor([] { return MenuWindows().isEmpty(); }, kStartMs))
        << "the tray menu closed";
    EXPECT_EQ(program_.state(), QProcess::Running);
}

TEST_F(OrvexSkDesktopTest, WithoutATrayOkMinimisesTheWindowAndClosingItEndsTheProgramAsExitDoes) {
    StartAndWaitForWindow();
    const std::string window = MainWindowId();
    ClickInWindow(main::kOk);
    ASSERT_TRUE(QTest::qWaitFor([&] { return WindowAsksToBeIconic(window); }, kStartMs));
    EXPECT_TRUE(WindowShown()) << "minimised, not withdrawn";

    ASSERT_TRUE(AskWindowToClose(window));
    ASSERT_TRUE(program_.waitForFinished(kStartMs));
    EXPECT_EQ(program_.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program_.exitCode(), 0);
    EXPECT_TRUE(std::filesystem::exists(MacroListFile())) << "the macro list is saved";
}

TEST_F(OrvexSkDesktopTest, TerminatedItEndsAsExitDoes) {
    StartAndWaitForWindow();
    program_.terminate();  // SIGTERM
    ASSERT_TRUE(program_.waitForFinished(kStartMs));
    EXPECT_EQ(program_.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program_.exitCode(), 0);
    EXPECT_TRUE(std::filesystem::exists(MacroListFile()));
}

// Apply pushes the current profile's pointer settings before it writes the slot files, so once
// the files are there the desktop has been changed, or left alone.
TEST_F(OrvexSkDesktopTest, TheVirtualMouseChangesTheDesktopsPointerSettingsOnlyWhenAsked) {
    constexpr std::array<int, 3> kUntouched{5, 2, 7};  // no profile's acceleration
    for (const bool asked : {false, true}) {
        std::filesystem::remove(GSettingsKeyFile());
        SetServerPointerAcceleration(kUntouched);
        StartProgram(program_,
                     asked ? QStringList{QStringLiteral("--desktop-settings")} : QStringList{});
        ASSERT_TRUE(QTest::qWaitFor(WindowShown, kStartMs));
        Settle();
        ClickInWindow(main::kApply);
        ASSERT_TRUE(
            QTest::qWaitFor([this] { return std::filesystem::exists(SlotFile(5)); }, kStartMs));

        EXPECT_EQ(std::filesystem::exists(GSettingsKeyFile()), asked) << "asked: " << asked;
        EXPECT_EQ(ServerPointerAcceleration() != kUntouched, asked) << "asked: " << asked;
        program_.kill();
        program_.waitForFinished(kStartMs);
        std::filesystem::remove_all(ConfigFolder());
    }
}

TEST_F(OrvexSkDesktopTest, WithoutASessionBusGnomesSettingsAreSkippedWithoutAWarning) {
    SetProgramVariable(QStringLiteral("GSETTINGS_BACKEND"), {});  // dconf, which needs the bus
    channels_ = QProcess::SeparateChannels;
    StartProgram(program_, {QStringLiteral("--desktop-settings")});
    ASSERT_TRUE(QTest::qWaitFor(WindowShown, kStartMs));
    Settle();
    ClickInWindow(main::kApply);
    ASSERT_TRUE(QTest::qWaitFor([this] { return std::filesystem::exists(SlotFile(5)); }, kStartMs));
    program_.terminate();
    ASSERT_TRUE(program_.waitForFinished(kStartMs));
    const QString errors = QString::fromLocal8Bit(program_.readAllStandardError());
    EXPECT_FALSE(errors.contains(QStringLiteral("dconf"), Qt::CaseInsensitive))
        << errors.toStdString();
}

}  // namespace
}  // namespace orvex::testing
