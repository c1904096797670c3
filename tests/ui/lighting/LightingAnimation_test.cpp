#include "ui/lighting/LightingAnimation.h"

#include <gtest/gtest.h>

#include <vector>

namespace orvex::ui {
namespace {

using Rgb = LightingAnimation::Rgb;

TEST(LightingAnimation, TheColourCycleStartsAt240_135_5AndEachComponentTurnsOnItsOwn) {
    LightingAnimation animation;
    EXPECT_EQ(animation.ShiftColour(), (Rgb{240, 135, 5}));
    // Red falls by 15 to 0 (17 ticks from 255), then rises; green reaches 255 after 13 ticks
    // and falls by 10; blue keeps rising by 5.
    Rgb colour;
    for (int tick = 2; tick <= 17; ++tick) {
        colour = animation.ShiftColour();
    }
    EXPECT_EQ(colour, (Rgb{0, 215, 85}));
    EXPECT_EQ(animation.ShiftColour(), (Rgb{15, 205, 90}));
    EXPECT_EQ(animation.ShiftColour(), (Rgb{30, 195, 95}));
    EXPECT_EQ(animation.shiftedColour(), (Rgb{30, 195, 95}));
}

TEST(LightingAnimation, EachEffectCountsAsTheMouseShowsIt) {
    struct Case {
        const char* effect;
        int (LightingAnimation::*tick)();
        std::vector<int> alphas;
    };
    const std::vector<Case> cases{
        // The counter starts at 200, even: the first blink is dark.
        {"blink", &LightingAnimation::Blink, {0, 255, 0, 255}},
        // 201 ... 210: 201 % 15 = 6; 204 % 15 = 9; 210 % 15 = 0 and 213 % 15 = 3 are dark.
        {"pulse",
         &LightingAnimation::Pulse,
         {255, 255, 255, 255, 255, 255, 255, 255, 255, 0, 255, 255, 0, 255}},
        // Rising from 200: 210 ... 250, then 255 and falling.
        {"breathe", &LightingAnimation::Breathe, {210, 220, 230, 240, 250, 255, 245, 235}},
    };
    for (const Case& c : cases) {
        LightingAnimation animation;
        std::vector<int> alphas;
        for (std::size_t i = 0; i < c.alphas.size(); ++i) {
            alphas.push_back((animation.*c.tick)());
        }
        EXPECT_EQ(alphas, c.alphas) << c.effect;
    }
}

TEST(LightingAnimation, BreathingTurnsAtBothEndsAndPulsingCarriesOnFromItsCounter) {
    LightingAnimation animation;
    int alpha = -1;
    int ticks = 0;
    while (alpha != 0) {
        alpha = animation.Breathe();
        ++ticks;
    }
    // 200 up to 255 (6 ticks), then down to 0 (26 ticks).
    EXPECT_EQ(ticks, 32);
    EXPECT_TRUE(animation.breathingRising());
    EXPECT_EQ(animation.Breathe(), 10);
    EXPECT_EQ(animation.Breathe(), 20);

    // Pulsing goes on from 20: 21, 22, 23 (23 % 15 = 8), ... 30 % 15 = 0 is dark.
    std::vector<int> pulse;
    for (int i = 0; i < 10; ++i) {
        pulse.push_back(animation.Pulse());
    }
    EXPECT_EQ(pulse, (std::vector<int>{255, 255, 255, 255, 255, 255, 255, 255, 255, 0}));
    EXPECT_EQ(animation.counter(), 30);
}

}  // namespace
}  // namespace orvex::ui
