#include "ui/skin/ScrollBarGeometry.h"

#include <gtest/gtest.h>

namespace orvex::ui {
namespace {

TEST(ScrollBarGeometryTest, LaysOutAlongTheLongerSide) {
    const ScrollBarLayout horizontal = LayOutScrollBar(100, 16, {16, 16}, {14, 16}, {20, 16});
    EXPECT_EQ(horizontal.orientation, ScrollBarLayout::kHorizontal);
    EXPECT_EQ(horizontal.firstArrow, (EdgeRect{0, 0, 16, 16}));
    EXPECT_EQ(horizontal.secondArrow, (EdgeRect{86, 0, 100, 16}));
    EXPECT_EQ(horizontal.track, (EdgeRect{16, 0, 86, 16}));
    EXPECT_EQ(horizontal.thumb, (EdgeRect{16, 0, 36, 16}));

    const ScrollBarLayout vertical = LayOutScrollBar(16, 100, {16, 12}, {16, 14}, {16, 20});
    EXPECT_EQ(vertical.orientation, ScrollBarLayout::kVertical);
    EXPECT_EQ(vertical.firstArrow, (EdgeRect{0, 0, 16, 12}));
    EXPECT_EQ(vertical.secondArrow, (EdgeRect{0, 86, 16, 100}));
    EXPECT_EQ(vertical.track, (EdgeRect{0, 12, 16, 86}));
    EXPECT_EQ(vertical.thumb, (EdgeRect{0, 12, 16, 32}));

    EXPECT_EQ(LayOutScrollBar(20, 20, {}, {}, {}).orientation, ScrollBarLayout::kVertical);
}

TEST(ScrollBarGeometryTest, TheThumbTravelsTheTrackAndThePointerMapsBack) {
    const ScrollBarLayout layout = LayOutScrollBar(16, 100, {16, 12}, {16, 14}, {16, 20});
    // 74 pixels of track, 54 of travel.
    EXPECT_EQ(PlaceScrollThumb(layout, 3, 3, 20), (EdgeRect{0, 12, 16, 32}));
    EXPECT_EQ(PlaceScrollThumb(layout, 20, 3, 20), (EdgeRect{0, 66, 16, 86}));
    EXPECT_EQ(PlaceScrollThumb(layout, 10, 0, 20), (EdgeRect{0, 39, 16, 59}));
    EXPECT_EQ(PlaceScrollThumb(layout, 7, 7, 7), (EdgeRect{0, 12, 16, 32}));

    for (int position = 0; position <= 20; ++position) {
        const EdgeRect thumb = PlaceScrollThumb(layout, position, 0, 20);
        const int centre = (thumb.top + thumb.bottom) / 2;
        EXPECT_EQ(ScrollPositionAt(layout, 8, centre, 0, 20), position) << "position " << position;
    }
    EXPECT_EQ(ScrollPositionAt(layout, 8, 0, 3, 20), 3);
    EXPECT_EQ(ScrollPositionAt(layout, 8, 99, 3, 20), 20);
}

TEST(ScrollBarGeometryTest, PressesFindTheArrowsThenTheThumb) {
    ScrollBarLayout layout = LayOutScrollBar(100, 16, {16, 16}, {14, 16}, {20, 16});
    EXPECT_EQ(ScrollBarPartAt(layout, 0, 8), kFirstArrowPart);
    EXPECT_EQ(ScrollBarPartAt(layout, 99, 15), kSecondArrowPart);
    EXPECT_EQ(ScrollBarPartAt(layout, 16, 8), kThumbPart);
    EXPECT_EQ(ScrollBarPartAt(layout, 60, 8), kNoPart);
    // A thumb pushed over an arrow is still behind it.
    layout.thumb = {80, 0, 100, 16};
    EXPECT_EQ(ScrollBarPartAt(layout, 90, 8), kSecondArrowPart);
    EXPECT_EQ(ScrollBarPartAt(layout, 85, 8), kThumbPart);
}

}  // namespace
}  // namespace orvex::ui
