#include "ui/lighting/CTavMouseStatic.h"

#include <gtest/gtest.h>

#include <QTest>

#include "ui/layout/ColorSettingsLayout.h"
#include "ui/lighting/LightingAnimation.h"

namespace orvex::ui {
namespace {

namespace cs = layout::colorsettings;
using namespace std::chrono_literals;

constexpr std::size_t kWheel = CTavMouseStatic::kWheelZone;
constexpr std::size_t kLogo = CTavMouseStatic::kLogoZone;

const QPoint kWheelPoint(cs::kPreviewWheelZone.left + 5, cs::kPreviewWheelZone.top + 5);
const QPoint kLogoPoint(cs::kPreviewLogoZone.left + 5, cs::kPreviewLogoZone.top + 5);
// Where the test picture is opaque: outside the zones, and on the logo zone's first row.
const QPoint kPictureOnly(10, 10);
const QPoint kPictureOverLogo(cs::kPreviewLogoZone.left + 5, cs::kPreviewLogoZone.top);

// Transparent but for a grey dot outside the zones and a grey row across the top of the logo.
QImage TestPicture() {
    QImage picture(cs::kMousePreview.width, cs::kMousePreview.height, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    picture.setPixel(kPictureOnly, 0xFF808080);
    for (int x = cs::kPreviewLogoZone.left; x < cs::kPreviewLogoZone.right(); ++x) {
        picture.setPixel(x, cs::kPreviewLogoZone.top, 0xFF808080);
    }
    return picture;
}

class CTavMouseStaticTest : public ::testing::Test {
  protected:
    void SetUp() override {
        preview.setGeometry(0, 0, cs::kMousePreview.width, cs::kMousePreview.height);
        preview.SetPicture(TestPicture());
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    void ShowColours(std::uint32_t wheel, std::uint32_t logo) {
        preview.SetShownColour(kWheel, wheel);
        preview.SetShownColour(kLogo, logo);
    }

    int AlphaShown() const { return static_cast<int>(preview.shownColour(kWheel) >> 24); }
    QRgb Pixel(const QPoint& point) const { return preview.RenderFrame().pixel(point); }

    LightingAnimation animation;
    QWidget window;
    CTavMouseStatic preview{animation, &window};
};

TEST_F(CTavMouseStaticTest, DrawsBlackThenTheLitZonesInTheirColoursThenThePicture) {
    struct Case {
        const char* what;
        std::uint32_t wheel;
        bool wheelLit;
        QRgb wheelPixel;
    };
    const Case cases[] = {
        {"a lit zone in full colour", 0xFFFF0000, true, 0xFFFF0000},
        {"alpha 0 leaves it black", 0x00FF0000, true, 0xFF000000},
        {"alpha 128 blends with the black", 0x800000FF, true, 0xFF000080},
        {"a dark zone stays black", 0xFFFF0000, false, 0xFF000000},
    };
    for (const Case& c : cases) {
        ShowColours(c.wheel, 0xFF00FF00);
        preview.SetZoneLit(kWheel, c.wheelLit);
        const QImage frame = preview.RenderFrame();
        EXPECT_EQ(frame.pixel(kWheelPoint), c.wheelPixel) << c.what;
        EXPECT_EQ(frame.pixel(kLogoPoint), 0xFF00FF00u) << c.what;
        EXPECT_EQ(frame.pixel(kPictureOverLogo), 0xFF808080u) << "the picture is on top";
        EXPECT_EQ(frame.pixel(kPictureOnly), 0xFF808080u);
        EXPECT_EQ(frame.pixel(0, 0), 0xFF000000u) << "black behind the picture";
    }
    EXPECT_EQ(preview.grab().toImage().pixel(kWheelPoint), 0xFF000000u)
        << "the widget shows the frame";
}

TEST_F(CTavMouseStaticTest, TheModeChoosesTheEffectTimerAndSteadyShowsFullStrength) {
    struct Case {
        int mode;
        bool timerRuns;
        std::chrono::milliseconds interval;
    };
    const Case cases[] = {
        {CTavMouseStatic::kBlink, true, 1000ms},
        {CTavMouseStatic::kPulse, true, 100ms},
        {CTavMouseStatic::kBreathe, true, 100ms},
        {CTavMouseStatic::kSteady, false, 0ms},
        {7, false, 0ms},
    };
    for (const Case& c : cases) {
        preview.SetAnimationMode(CTavMouseStatic::kBreathe);
        preview.SetAnimationMode(c.mode);
        EXPECT_EQ(preview.effectTimer().isActive(), c.timerRuns) << c.mode;
        if (c.timerRuns) {
            EXPECT_EQ(preview.effectTimer().intervalAsDuration(), c.interval) << c.mode;
        }
        EXPECT_EQ(preview.animationMode(), c.mode);
    }
    ShowColours(0x10123456, 0x20ABCDEF);
    preview.SetAnimationMode(CTavMouseStatic::kSteady);
    EXPECT_EQ(preview.shownColour(kWheel), 0xFF123456u);
    EXPECT_EQ(preview.shownColour(kLogo), 0xFFABCDEFu);
}

TEST_F(CTavMouseStaticTest, BlinkingRightAfterTheStartShowsTheZonesDarkFirstThenLit) {
    ShowColours(0xFFFF0000, 0xFFFF0000);
    preview.SetAnimationMode(CTavMouseStatic::kBlink);
    preview.effectTimer().stop();
    std::vector<QRgb> seen;
    for (int tick = 0; tick < 4; ++tick) {
        preview.TickEffect();
        seen.push_back(Pixel(kWheelPoint));
    }
    EXPECT_EQ(seen, (std::vector<QRgb>{0xFF000000, 0xFFFF0000, 0xFF000000, 0xFFFF0000}));
}

TEST_F(CTavMouseStaticTest, AHiddenPreviewDoesNotAnimateAndGoesOnWhereItStoppedWhenShown) {
    ShowColours(0xFF00FF00, 0xFF00FF00);
    preview.SetAnimationMode(CTavMouseStatic::kBreathe);
    preview.effectTimer().stop();
    preview.TickEffect();
    preview.TickEffect();
    ASSERT_EQ(AlphaShown(), 220);

    window.hide();
    for (int tick = 0; tick < 5; ++tick) {
        preview.TickEffect();
        preview.TickColourShift();
    }
    EXPECT_EQ(animation.counter(), 220);
    EXPECT_EQ(animation.shiftedColour(), (LightingAnimation::Rgb{255, 125, 0}));
    EXPECT_EQ(preview.shownColour(kWheel), 0xDC00FF00u);

    window.show();
    preview.TickEffect();
    EXPECT_EQ(AlphaShown(), 230);
}

// A breathing, colour-cycling profile must not keep the program in the tray awake.
TEST_F(CTavMouseStaticTest, AHiddenPreviewsTimersSleepUntilShownUnlessTheEffectEndedMeanwhile) {
    preview.SetAnimationMode(CTavMouseStatic::kBreathe);
    preview.StartColourShiftTimer();
    auto ticking = [&] {
        return preview.effectTimer().isActive() || preview.colourShiftTimer().isActive();
    };
    auto sleeping = [&] {
        return !preview.effectTimer().isActive() && !preview.colourShiftTimer().isActive();
    };
    for (QTimer* timer : {&preview.effectTimer(), &preview.colourShiftTimer()}) {
        timer->setInterval(1ms);
    }

    window.hide();
    ASSERT_TRUE(QTest::qWaitFor(sleeping, 1000));
    window.show();
    EXPECT_TRUE(preview.effectTimer().isActive() && preview.colourShiftTimer().isActive());

    window.hide();
    ASSERT_TRUE(QTest::qWaitFor(sleeping, 1000));
    preview.SetAnimationMode(CTavMouseStatic::kSteady);
    preview.StopColourShiftTimer();
    window.show();
    EXPECT_FALSE(ticking());
}

TEST_F(CTavMouseStaticTest, TheColourCycleKeepsTheEffectsAlphaAndLeavesTheUsersColours) {
    ShowColours(0xFF0000FF, 0xFF00FF00);
    preview.SaveShownColours();
    preview.SetAnimationMode(CTavMouseStatic::kBlink);
    preview.effectTimer().stop();
    preview.TickEffect();  // dark
    preview.TickColourShift();
    EXPECT_EQ(preview.shownColour(kWheel), 0x00F08705u);
    EXPECT_EQ(preview.shownColour(kLogo), 0x00F08705u);
    preview.TickEffect();  // lit
    preview.TickColourShift();
    EXPECT_EQ(preview.shownColour(kLogo), 0xFFE1910Au);
    EXPECT_EQ(preview.savedColour(kWheel), 0xFF0000FFu);
    EXPECT_EQ(preview.savedColour(kLogo), 0xFF00FF00u);
    preview.RestoreSavedColours();
    EXPECT_EQ(preview.shownColour(kWheel), 0xFF0000FFu);
}

}  // namespace
}  // namespace orvex::ui
