#include "ui/app/OrvexApplication.h"

#include <fcntl.h>
#include <unistd.h>

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <array>
#include <csignal>

#include "MainWindowRig.h"
#include "ui/app/SingleInstance.h"
#include "ui/layout/MainWindowLayout.h"
#include "ui/skin/CTavMenu.h"
#include "ui/skin/MessageBox.h"

namespace orvex::ui::testing {
namespace {

// The macro page, telling what the tray showed when the macro list was saved.
class ExitWatchingMacroPage : public FakeDataPage {
  public:
    ExitWatchingMacroPage(CallLog& log, QWidget* parent, std::function<bool()> iconInTray)
        : FakeDataPage("macros", log, parent), log_(log), iconInTray_(std::move(iconInTray)) {}

    void SaveMacroList() override {
        log_.push_back(iconInTray_() ? "save, icon in the tray" : "save, icon gone");
    }

  private:
    CallLog& log_;
    std::function<bool()> iconInTray_;
};

class OrvexApplicationTest : public MainWindowTest {
  protected:
    void MakeProgram() {
        auto pages = [this](CTESKDlg::Page which, QWidget* parent) -> ProfilePage* {
            if (which == CTESKDlg::kMacroPage) {
                return new ExitWatchingMacroPage(
                    calls, parent, [this] { return program_->tray().icon().isVisible(); });
            }
            return new FakeDataPage("page", calls, parent);
        };
        ASSERT_TRUE(socketFolder_.isValid());
        ASSERT_EQ(instance_.ClaimInstance(), SingleInstance::Claim::ThisRuns);
        program_ = std::make_unique<OrvexApplication>(
            services.services, std::filesystem::path(configRoot.path().toStdString()), instance_,
            pages);
        program_->Start();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&program_->window()));
        calls.clear();
    }

    void TearDown() override {
        program_.reset();
        MainWindowTest::TearDown();
    }

    QString ServerPath() const { return socketFolder_.filePath(QStringLiteral("instance")); }

    QTemporaryDir socketFolder_;
    SingleInstance instance_{ServerPath()};
    std::unique_ptr<OrvexApplication> program_;
};

TEST_F(OrvexApplicationTest, TheTrayASecondStartAndHotPlugReachTheWindow) {
    MakeProgram();
    CTESKDlg& mainWindow = program_->window();
    EXPECT_TRUE(program_->tray().icon().isVisible());
    EXPECT_EQ(mainWindow.windowTitle(), QStringLiteral("ORVEX SK Software"));

    mainWindow.hide();
    SingleInstance secondStart(ServerPath());
    EXPECT_EQ(secondStart.ClaimInstance(), SingleInstance::Claim::AnotherRuns);
    EXPECT_TRUE(QTest::qWaitFor([&] { return mainWindow.isVisible(); }, 2000));

    mainWindow.hide();
    emit program_->tray().icon().activated(QSystemTrayIcon::DoubleClick);
    EXPECT_TRUE(mainWindow.isVisible());
    emit program_->tray().icon().activated(QSystemTrayIcon::Context);
    ASSERT_NE(mainWindow.trayMenu(), nullptr);
    EXPECT_TRUE(mainWindow.trayMenu()->isVisible());
    mainWindow.trayMenu()->hide();

    emit program_->deviceWatcher().Removed();
    EXPECT_EQ(mainWindow.firmwareVersionText(), QStringLiteral("-.--"));
    emit program_->deviceWatcher().Arrived();
    EXPECT_EQ(mainWindow.firmwareVersionText(), QStringLiteral("1.22"));
    EXPECT_TRUE(MessageBox::TakeShownTexts().isEmpty());
}

TEST_F(OrvexApplicationTest, ExitTakesTheIconOutOfTheTrayBeforeSavingTheMacroList) {
    MakeProgram();
    emit program_->window().ExitRequested();
    EXPECT_FALSE(program_->tray().icon().isVisible());
    EXPECT_EQ(calls, CallLog{"save, icon gone"});

    // Outside a running event loop the quit is a no-op; later waits still work.
    QSignalSpy later(&program_->tray(), &TrayIcon::ShowWindowRequested);
    QTimer::singleShot(
        0, [this] { emit program_->tray().icon().activated(QSystemTrayIcon::DoubleClick); });
    EXPECT_TRUE(later.wait(2000));
}

// The system's request to end, as a pipe the test writes into.
class PipeTerminationRequests : public platform::TerminationRequests {
  public:
    PipeTerminationRequests() { EXPECT_EQ(::pipe2(ends_.data(), O_NONBLOCK), 0); }
    ~PipeTerminationRequests() override {
        ::close(ends_[0]);
        ::close(ends_[1]);
    }
    int fd() const override { return ends_[0]; }
    int TakePending() override {
        unsigned char signal = 0;
        return ::read(ends_[0], &signal, 1) == 1 ? signal : 0;
    }
    void Arrive(unsigned char signal) { EXPECT_EQ(::write(ends_[1], &signal, 1), 1); }

  private:
    std::array<int, 2> ends_{};
};

// The program's own event loop, ended by the program, or by the test after a few seconds.
int RunEventLoop() {
    QTimer stopper;
    stopper.setSingleShot(true);
    QObject::connect(&stopper, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    stopper.start(5000);
    return QCoreApplication::exec();
}

TEST_F(OrvexApplicationTest, ATerminationRequestEndsTheProgramAsExitDoesWithCodeZero) {
    MakeProgram();
    auto owned = std::make_unique<PipeTerminationRequests>();
    PipeTerminationRequests& requests = *owned;
    program_->EndOnTerminationRequests(std::move(owned));

    requests.Arrive(SIGTERM);
    EXPECT_EQ(RunEventLoop(), 0);
    EXPECT_EQ(calls, CallLog{"save, icon gone"}) << "saved once, though the loop's end saves too";
}

TEST_F(OrvexApplicationTest, AnEventLoopEndedByTheSessionFinishesAsExit) {
    MakeProgram();
    QTimer::singleShot(0, [] { QCoreApplication::quit(); });
    EXPECT_EQ(RunEventLoop(), 0);
    EXPECT_EQ(calls, CallLog{"save, icon gone"});
}

TEST_F(OrvexApplicationTest, WithoutATrayCancelMinimisesTheWindow) {
    MakeProgram();
    ASSERT_FALSE(QSystemTrayIcon::isSystemTrayAvailable()) << "the window-less platform has none";
    program_->window().ControlClicked(layout::mainwindow::kCancelId);
    EXPECT_TRUE(program_->window().isMinimized());
    EXPECT_TRUE(program_->window().isVisible());
}

TEST_F(OrvexApplicationTest, RefusedHotPlugNoticesAreReportedAndTheProgramRunsOn) {
    MakeProgram();
    program_->WatchSystemHotplug(nullptr);
    EXPECT_EQ(MessageBox::TakeShownTexts(),
              QStringList{QStringLiteral("RegisterDeviceNotification Failed!")});
    EXPECT_TRUE(program_->window().isVisible());
    EXPECT_TRUE(program_->tray().icon().isVisible());
}

}  // namespace
}  // namespace orvex::ui::testing
