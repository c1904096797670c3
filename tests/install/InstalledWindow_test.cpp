// The installed orvex-sk on an Xvfb server: it finds its skin through the installed layout, shows
// its window, and the window's class is the one the desktop entry names.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include "install/InstalledProgram.h"
#include "orvex/BuildInfo.h"
#include "x11/XvfbServer.h"

namespace orvex::testing {
namespace {

constexpr int kStartMs = 15000;

// Ids of the visible windows whose `field` (--name, --class) matches `pattern`.
QStringList VisibleWindows(const QString& field, const QString& pattern) {
    const ProgramRun search =
        RunProgram(QStringLiteral("xdotool"),
                   {QStringLiteral("search"), QStringLiteral("--onlyvisible"), field, pattern});
    return search.out.split(u'\n', Qt::SkipEmptyParts);
}

class InstalledWindow : public XvfbTest {
  protected:
    void TearDown() override {
        if (program_.state() != QProcess::NotRunning) {
            program_.kill();
            program_.waitForFinished(5000);
        }
    }

    void Start(const QStringList& arguments) {
        ASSERT_TRUE(folder_.isValid());
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), folder_.filePath("config"));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), folder_.path());
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        environment.remove(QStringLiteral("ORVEX_DEBUG"));
        program_.setProcessEnvironment(environment);
        program_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        // Started by its installed path, as the desktop entry's Exec finds it on PATH.
        program_.start(Installed("bin/orvex-sk"), arguments);
        ASSERT_TRUE(program_.waitForStarted(kStartMs));
    }

    QTemporaryDir folder_;
    QProcess program_;
};

TEST_F(InstalledWindow, ShowsItsSkinnedWindowWithTheDesktopEntrysClass) {
    Start({QStringLiteral("--simulate")});
    const QString title = QStringLiteral("ORVEX SK Software");
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return !VisibleWindows("--name", title).isEmpty(); }, kStartMs))
        << "the installed program showed no window";
    QTest::qWait(500);  // mapped before painted
    EXPECT_TRUE(
        VisibleWindows(QStringLiteral("--name"), QStringLiteral("ui load failed")).isEmpty());
    EXPECT_EQ(program_.state(), QProcess::Running) << "a missing skin ends the program";

    const QStringList byTitle = VisibleWindows(QStringLiteral("--name"), title);
    const QString entryClass = DesktopEntryValue(
        Installed(std::string("share/applications/") + kApplicationId + ".desktop"),
        QStringLiteral("StartupWMClass"));
    const QStringList byClass = VisibleWindows(QStringLiteral("--class"), u'^' + entryClass + u'$');
    ASSERT_EQ(byTitle.size(), 1);
    EXPECT_TRUE(byClass.contains(byTitle.front()))
        << "WM_CLASS is not " << entryClass.toStdString();

    // The skin is drawn: a screenshot of the window is a picture, not one flat colour.
    const QImage shot = QGuiApplication::primaryScreen()
                            ->grabWindow(byTitle.front().toULongLong())
                            .toImage()
                            .convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(shot.isNull());
    shot.save(QStringLiteral(ORVEX_SCREENSHOT_DIR "/installed-window.png"));
    QSet<QRgb> colours;
    for (int y = 0; y < shot.height(); y += 7) {
        for (int x = 0; x < shot.width(); x += 7) {
            colours.insert(shot.pixel(x, y));
        }
    }
    EXPECT_GT(colours.size(), 50);
}

TEST_F(InstalledWindow, HiddenStartShowsNoWindowUntilASecondStartAsksForIt) {
    Start({QStringLiteral("--simulate"), QStringLiteral("--hidden")});
    const QString title = QStringLiteral("ORVEX SK Software");
    // Its tray icon needs no tray host to be made; give it the time a window would take.
    QTest::qWait(2000);
    EXPECT_EQ(program_.state(), QProcess::Running);
    EXPECT_TRUE(VisibleWindows(QStringLiteral("--name"), title).isEmpty());

    QProcess second;
    second.setProcessEnvironment(program_.processEnvironment());
    second.start(Installed("bin/orvex-sk"), {QStringLiteral("--simulate")});
    ASSERT_TRUE(second.waitForFinished(kStartMs));
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return !VisibleWindows("--name", title).isEmpty(); }, kStartMs));
}

}  // namespace
}  // namespace orvex::testing
