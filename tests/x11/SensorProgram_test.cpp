// The sensor page of the running program, clicked and typed into as a user would under Xvfb.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTest>
#include <optional>
#include <string>

#include "core/profiles/ProfileFile.h"
#include "ui/layout/MainWindowLayout.h"
#include "ui/layout/SensorLayout.h"
#include "ui/skin/SliderGeometry.h"
#include "x11/ProgramUnderTest.h"
#include "x11/RunCommand.h"

namespace orvex::testing {
namespace {

namespace main = ui::layout::mainwindow;
namespace sn = ui::layout::sensor;

constexpr ui::SliderRange kResolutionRange{50, 7000, 50};
constexpr ui::SliderRange kPointSpeedRange{1, 10, 1};
constexpr ui::SliderRange kLiftDistanceRange{1, 32, 1};
// The angle-snap menu drops below its button; its entries start 4 pixels down and are as high as
// a line of the menu's 15-pixel font.
constexpr int kMenuTopInset = 4;
constexpr int kMenuLineHeight = 15;

class SensorProgramTest : public ProgramUnderTest {
  protected:
    // A point of the page in main-window coordinates.
    static QPoint OnPage(int x, int y) {
        return {main::kPageOrigin.x + x, main::kPageOrigin.y + y};
    }

    // The thumb pictures of the skin beside the program set where a slider's values lie.
    static int ThumbWidth(const char* file) {
        const QDir skin(QFileInfo(QStringLiteral(ORVEX_SK_PATH))
                            .dir()
                            .filePath(QStringLiteral("ORVEXSK_Skins")));
        return QImage(skin.filePath(QString::fromLatin1(file))).width();
    }

    // Where the thumb of `value` sits on a slider at `rect`, in window coordinates.
    static QPoint ThumbAt(const ui::layout::LayoutRect& rect, const ui::SliderRange& range,
                          int thumbWidth, int value) {
        return OnPage(rect.left + ui::SliderThumbCentre(rect.width, thumbWidth, value,
                                                        range.minimum, range.maximum),
                      rect.top + rect.height / 2);
    }

    // The value a slider at `rect` takes from a press at window point `at`.
    static int ValueAt(const ui::layout::LayoutRect& rect, const ui::SliderRange& range,
                       int thumbWidth, QPoint at) {
        return ui::SliderValueAt(at.x() - main::kPageOrigin.x - rect.left, rect.width, thumbWidth,
                                 range);
    }

    void Drag(QPoint from, QPoint to) const {
        const std::string window = MainWindowId();
        const QPoint halfway = (from + to) / 2;
        ASSERT_EQ(RunCommand({"xdotool",
                              "mousemove",
                              "--sync",
                              "--window",
                              window,
                              std::to_string(from.x()),
                              std::to_string(from.y()),
                              "mousedown",
                              "1",
                              "mousemove",
                              "--sync",
                              "--window",
                              window,
                              std::to_string(halfway.x()),
                              std::to_string(halfway.y()),
                              "mousemove",
                              "--sync",
                              "--window",
                              window,
                              std::to_string(to.x()),
                              std::to_string(to.y()),
                              "mouseup",
                              "1"}),
                  0);
        Settle();
    }

    // A field of the virtual mouse's state file ("lift-saved 20"), as the program last wrote it.
    std::optional<QByteArray> MouseState(const QByteArray& key) const {
        QFile state(StateFile());
        if (!state.open(QIODevice::ReadOnly)) {
            return std::nullopt;
        }
        for (const QByteArray& line : state.readAll().split('\n')) {
            const QList<QByteArray> parts = line.trimmed().split(' ');
            if (parts.size() == 2 && parts[0] == key) {
                return parts[1];
            }
        }
        return std::nullopt;
    }

    // The window's profile poll reloads the pages on its first read of the mouse's profile, two
    // seconds in; a number half typed then ("-") would be lost to the reload, as it would be for a
    // user. The read leaves the mouse's answer, profile 0, in the state file: after the firmware
    // version read at start, the first answer that begins with 0.
    bool WaitForTheFirstProfilePoll() const {
        return QTest::qWaitFor(
            [this] {
                return MouseState("status") == "1" &&
                       MouseState("reply").value_or(QByteArray()).startsWith("00");
            },
            kStartMs);
    }
};

TEST_F(SensorProgramTest, ClickedSensorValuesReachTheSlotFileAndTheMouseAndSaveSetsTheLiftOff) {
    StartAndWaitForWindow();
    // Without a window manager nobody makes the window the foreground one, which the poll and the
    // keys need: the test does.
    ASSERT_EQ(RunCommand({"xdotool", "windowfocus", "--sync", MainWindowId()}), 0);
    ASSERT_TRUE(WaitForTheFirstProfilePoll());
    ClickInWindow(main::kPageTabs[1]);

    // Separate resolutions: X step 2 to 3200, Y step 1 to 800.
    ClickOnPage(sn::kSeparate);
    const int resolutionThumb = ThumbWidth("Slider1.bmp");
    Drag(ThumbAt(sn::kXAxis, kResolutionRange, resolutionThumb, 1600),
         ThumbAt(sn::kXAxis, kResolutionRange, resolutionThumb, 3200));
    Drag(ThumbAt(sn::kYAxis, kResolutionRange, resolutionThumb, 400),
         ThumbAt(sn::kYAxis, kResolutionRange, resolutionThumb, 800));

    // Defined mode -7, angle snap 3.
    ClickOnPage(sn::kDefinedMode);
    // The field shows the profile's 0: it goes first.
    ClickOnPage(sn::kDefinedValue);
    TypeKeys({QStringLiteral("BackSpace"), QStringLiteral("minus"), QStringLiteral("7")});
    ClickOnPage(sn::kAngleSnap);
    ClickInWindow(OnPage(
        sn::kAngleSnap.left + sn::kAngleSnap.width / 2,
        sn::kAngleSnap.bottom() + kMenuTopInset + 3 * kMenuLineHeight + kMenuLineHeight / 2));

    // Pointer speed and lift-off distance by a press on their tracks.
    const int thumb = ThumbWidth("Slider_Normal.bmp");
    const QPoint speedAt = ThumbAt(sn::kPointSpeed, kPointSpeedRange, thumb, 9);
    ClickInWindow(speedAt);
    const QPoint liftAt = ThumbAt(sn::kLiftDistance, kLiftDistanceRange, thumb, 20);
    ClickInWindow(liftAt);
    const int lift = ValueAt(sn::kLiftDistance, kLiftDistanceRange, thumb, liftAt);
    ASSERT_GE(lift, 6);
    ASSERT_LE(lift, 31);

    ClickOnPage(sn::kSave);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return MouseState("lift-saved") == QByteArray::number(lift); }, kStartMs))
        << "Save puts the lift-off distance on the mouse at once";

    ClickInWindow(main::kApply);
    ASSERT_TRUE(WaitUntilMouseHoldsTheSlotFiles());
    ProfileRecord saved;
    ASSERT_EQ(LoadProfile(SlotFile(1), saved), ProfileLoadStatus::Loaded);
    EXPECT_EQ(saved.xySeparate, 1);
    EXPECT_EQ(saved.resolutionSteps,
              (std::array<ResolutionStep, 3>{{{400, 800}, {3200, 1600}, {7000, 7000}}}));
    EXPECT_EQ(saved.definedModeEnabled, 1);
    EXPECT_EQ(saved.definedModeValue, 0xF9);
    EXPECT_EQ(saved.angleSnap, 3);
    EXPECT_EQ(saved.pointerSpeed, ValueAt(sn::kPointSpeed, kPointSpeedRange, thumb, speedAt));
    EXPECT_EQ(saved.liftDistance, lift);
}

}  // namespace
}  // namespace orvex::testing
