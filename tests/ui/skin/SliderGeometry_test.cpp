#include "ui/skin/SliderGeometry.h"

#include <gtest/gtest.h>

#include <limits>
#include <set>

namespace orvex::ui {
namespace {

TEST(SliderGeometryTest, PointerOffsetsRoundHalfUpInSinglePrecisionAndClamp) {
    struct Case {
        const char* name;
        int offset;
        int usableLength;
        int minimum;
        int maximum;
        int expected;
    };
    constexpr int kIntMax = std::numeric_limits<int>::max();
    constexpr int kIntMin = std::numeric_limits<int>::min();
    const Case cases[] = {
        {"start", 0, 120, 200, 1400, 200},
        {"end", 120, 120, 200, 1400, 1400},
        {"below half truncates", 4, 100, 0, 10, 0},
        {"exactly half rounds up", 5, 100, 0, 10, 1},
        {"half between two values rounds up", 1, 2, 0, 1, 1},
        {"above half rounds up", 59, 100, 0, 10, 6},
        {"left of the track clamps to the minimum", -30, 120, 200, 1400, 200},
        {"right of the track clamps to the maximum", 150, 120, 200, 1400, 1400},
        // 1000000.495 is held as 1000000.5 in single precision, so it rounds up; a double would
        // round it down.
        {"single precision", 1, 101, 1000000, 1000050, 1000001},
        {"no usable length", 5, 0, 3, 9, 3},
        {"negative usable length", 5, -4, 3, 9, 3},
        {"range wider than an int saturates", 1, 1, kIntMin, kIntMax, kIntMax},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ValueFromOffset(c.offset, c.usableLength, c.minimum, c.maximum), c.expected);
    }
}

TEST(SliderGeometryTest, SnappingGoesToTheNearerMultipleWithHalvesGoingDown) {
    struct Case {
        int value;
        int step;
        int expected;
    };
    const Case cases[] = {
        {100, 30, 90},  // 100 % 30 = 10 is not above 15
        {76, 30, 90},   // 16 is
        {75, 30, 60},   // exactly half goes down
        {1300, 200, 1200}, {1301, 200, 1400}, {425, 50, 400},
        {426, 50, 450},    {106, 30, 120},  // not brought back into any range
        {7, 1, 7},         {7, 0, 7},         {7, -3, 7},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.value << " step " << c.step);
        EXPECT_EQ(SnapToStep(c.value, c.step), c.expected);
    }
}

TEST(SliderGeometryTest, EveryColumnOfAStepSliderGivesAStep) {
    // 130 columns with a 10-pixel thumb: 120 columns of travel for 200..1400 in steps of 200.
    const SliderRange range{200, 1400, 200};
    std::set<int> seen;
    for (int x = -20; x < 150; ++x) {
        const int value = SliderValueAt(x, 130, 10, range);
        ASSERT_EQ(value % 200, 0) << "x " << x;
        ASSERT_GE(value, 200);
        ASSERT_LE(value, 1400);
        seen.insert(value);
    }
    EXPECT_EQ(seen, (std::set<int>{200, 400, 600, 800, 1000, 1200, 1400}));
    EXPECT_EQ(SliderValueAt(129, 130, 10, SliderRange{0, 100, 30}), 90);
}

TEST(SliderGeometryTest, APressOnTheThumbsCentreGivesItsValueBack) {
    const SliderRange range{50, 7000, 50};
    for (int value = 50; value <= 7000; value += 50) {
        const int centre = SliderThumbCentre(300, 12, value, range.minimum, range.maximum);
        ASSERT_EQ(SliderValueAt(centre, 300, 12, range), value) << "value " << value;
    }
    EXPECT_EQ(SliderThumbCentre(130, 10, 200, 200, 1400), 5);
    EXPECT_EQ(SliderThumbCentre(130, 10, 1400, 200, 1400), 125);
    // Values outside the range are drawn where they are; an empty range keeps the thumb left.
    EXPECT_EQ(SliderThumbCentre(130, 10, 2600, 200, 1400), 245);
    EXPECT_EQ(SliderThumbCentre(130, 10, 7, 4, 4), 5);
}

TEST(SliderGeometryTest, ThreeThumbRectsAreCentredAndKeptInside) {
    // Centred on 50, thumb 3 taller: the smaller thumb sits in the middle of its height.
    EXPECT_EQ(ThreeThumbRect(50, 11, 12, 20, 200), (EdgeRect{45, 4, 56, 16}));
    EXPECT_EQ(ThreeThumbRect(50, 12, 20, 20, 200), (EdgeRect{44, 0, 56, 20}));
    EXPECT_EQ(ThreeThumbRect(3, 12, 20, 20, 200), (EdgeRect{0, 0, 12, 20}));
    EXPECT_EQ(ThreeThumbRect(198, 12, 20, 20, 200), (EdgeRect{188, 0, 200, 20}));
}

TEST(SliderGeometryTest, APressTakesTheFirstThumbUnderIt) {
    const std::array<EdgeRect, 3> thumbs = {EdgeRect{40, 0, 52, 20}, EdgeRect{46, 0, 58, 20},
                                            EdgeRect{100, 0, 112, 20}};
    EXPECT_EQ(ThumbAt(thumbs, 48, 10), 1);  // thumbs 1 and 2 overlap here
    EXPECT_EQ(ThumbAt(thumbs, 53, 10), 2);
    EXPECT_EQ(ThumbAt(thumbs, 105, 19), 3);
    EXPECT_EQ(ThumbAt(thumbs, 80, 10), 0);   // bare track
    EXPECT_EQ(ThumbAt(thumbs, 112, 10), 0);  // right edge is outside
    EXPECT_EQ(ThumbAt(thumbs, 105, 20), 0);  // so is the bottom edge
}

TEST(SliderGeometryTest, ProgressFillIsTheTruncatedShareOfTheLength) {
    struct Case {
        const char* name;
        int length;
        int position;
        int minimum;
        int maximum;
        int expected;
    };
    const Case cases[] = {
        {"half", 100, 5, 0, 10, 50},
        {"full", 100, 10, 0, 10, 100},
        {"empty", 100, 0, 0, 10, 0},
        {"truncated", 48, 1, 0, 10, 4},
        // 0.7 in single precision times 10 comes out as 7.0; a double gives 6.99...
        {"single precision", 10, 7, 0, 10, 7},
        {"above the range stays inside", 100, 15, 0, 10, 100},
        {"below the range shows nothing", 100, -1, 0, 10, 0},
        {"empty range shows nothing", 100, 5, 4, 4, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ProgressFillLength(c.length, c.position, c.minimum, c.maximum), c.expected);
    }
}

}  // namespace
}  // namespace orvex::ui
