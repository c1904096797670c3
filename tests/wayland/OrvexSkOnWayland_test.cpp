// The built orvex-sk as a native Wayland client of the shared headless weston, and the pieces
// that behave differently there: keys heard in the program's own windows, and menus placed as
// pop-ups of their window.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QKeyEvent>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

#include "platform/KeyboardHook.h"
#include "platform/WindowKeys.h"
#include "ui/macros/KeyCapturedRecorder.h"
#include "ui/macros/KeyboardHookSlot.h"
#include "ui/macros/WindowKeyCases.h"
#include "ui/macros/WindowKeyFeed.h"
#include "ui/skin/CTavMenu.h"
#include "wayland/WestonServer.h"

namespace orvex::testing {
namespace {

const QString kWindowTitle = QStringLiteral("ORVEX SK Software");
constexpr int kStartMs = 15000;

class OrvexSkOnWaylandTest : public WestonTest {
  protected:
    void TearDown() override {
        for (QProcess* process : {&first_, &second_}) {
            if (process->state() != QProcess::NotRunning) {
                process->kill();
                process->waitForFinished(5000);
            }
        }
    }

    // The program on the virtual mouse, with its own configuration and runtime folders; the
    // compositor's socket is named by its full path.
    void StartProgram(QProcess& process) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("WAYLAND_DISPLAY"),
                           qEnvironmentVariable("XDG_RUNTIME_DIR") + u'/' +
                               qEnvironmentVariable("WAYLAND_DISPLAY"));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime_.path());
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), config_.path());
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("wayland"));
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(ORVEX_SK_PATH),
                      {QStringLiteral("--simulate=") + config_.filePath(QStringLiteral("mouse"))});
        ASSERT_TRUE(process.waitForStarted(kStartMs));
    }

    qsizetype ShownWindows() const { return SharedWeston()->ToplevelTitles().count(kWindowTitle); }

    QTemporaryDir runtime_;
    QTemporaryDir config_;
    QProcess first_;
    QProcess second_;
};

TEST_F(OrvexSkOnWaylandTest, ItShowsItsWindowAnswersASecondStartAndEndsOnSigterm) {
    first_.setProcessChannelMode(QProcess::SeparateChannels);
    StartProgram(first_);
    ASSERT_TRUE(QTest::qWaitFor([this] { return ShownWindows() == 1; }, kStartMs))
        << SharedWeston()->SceneGraph().toStdString();

    StartProgram(second_);
    ASSERT_TRUE(second_.waitForFinished(kStartMs));
    EXPECT_EQ(second_.exitCode(), 0);
    EXPECT_EQ(first_.state(), QProcess::Running);
    EXPECT_EQ(ShownWindows(), 1);

    first_.terminate();
    ASSERT_TRUE(first_.waitForFinished(kStartMs));
    EXPECT_EQ(first_.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(first_.exitCode(), 0);
    // No complaint about the X11 tray a Wayland client cannot reach.
    const QString errors = QString::fromLocal8Bit(first_.readAllStandardError());
    EXPECT_FALSE(errors.contains(QStringLiteral("QObject::connect"))) << errors.toStdString();
}

using KeysOnWaylandTest = WestonTest;

TEST_F(KeysOnWaylandTest, ThePlatformsHookHearsTheWindowsKeysWithSideSpecificModifiers) {
    ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("wayland"));
    platform::WindowKeys keys;
    const ui::WindowKeyFeed feed(keys);
    ui::KeyboardHookSlot slot([&keys] {
        return platform::MakeDesktopKeyboardHook(QGuiApplication::platformName().toStdString(),
                                                 keys);
    });
    // A plain widget: a text field would ask the seat's text input, and a compositor without a
    // screen has no seat.
    QWidget focused;
    focused.setFocusPolicy(Qt::StrongFocus);
    focused.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&focused));
    ui::testing::KeyCapturedRecorder target;
    ASSERT_TRUE(slot.InstallKeyboardHook(&target));

    using Keys = std::vector<std::pair<int, int>>;
    for (const ui::testing::WindowKeyCase& key : ui::testing::kWindowKeyCases) {
        target.keys.clear();
        for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
            QKeyEvent event(type, key.qtKey, Qt::NoModifier, key.nativeScanCode, 0, 0);
            QCoreApplication::sendEvent(focused.windowHandle(), &event);
        }
        ASSERT_TRUE(QTest::qWaitFor([&] { return target.keys.size() >= 2; }, 2000)) << key.name;
        EXPECT_EQ(target.keys, (Keys{{key.virtualKey, 0}, {key.virtualKey, 0x80}})) << key.name;
    }
}

using MenusOnWaylandTest = WestonTest;

// The program cannot know where its window is on the screen: a menu goes where it belongs on the
// window, and the compositor, not the program, keeps it on the screen.
TEST_F(MenusOnWaylandTest, AMenuIsShownWhereItBelongsOnItsWindow) {
    QWidget window;
    window.setWindowTitle(QStringLiteral("owner"));
    window.resize(400, 300);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    ui::CTavMenu menu(&window, 9, QRect(0, 0, 120, 10));
    menu.AddItem(1, QStringLiteral("one"));
    menu.AddItem(2, QStringLiteral("two"));

    // Opened upwards from a point near the window's top, which in the window's own idea of the
    // screen lies above the screen's edge: on X11 the menu would be turned downwards.
    const QPoint at = window.mapToGlobal(QPoint(50, 5));
    menu.Popup(ui::PopupMenu::kPlacementBottomLeft, at.x(), at.y());
    ASSERT_TRUE(menu.isVisible());
    EXPECT_EQ(menu.pos(), at - QPoint(0, menu.height()));

    QRect shown;
    QRect owner;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            shown = SharedWeston()->ViewGeometry(QStringLiteral("xdg_popup"));
            owner = SharedWeston()->ViewGeometry(QStringLiteral("top-level window 'owner'"));
            return !shown.isEmpty() && !owner.isEmpty();
        },
        kStartMs))
        << SharedWeston()->SceneGraph().toStdString();
    // The compositor's view of a window starts at its frame, decorations included.
    EXPECT_EQ(shown.topLeft() - owner.topLeft(), menu.pos() - window.frameGeometry().topLeft());
    EXPECT_EQ(shown.size(), menu.size());
    menu.Close();
}

}  // namespace
}  // namespace orvex::testing
