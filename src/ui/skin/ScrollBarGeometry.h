#pragma once

#include "ui/skin/EdgeRect.h"

namespace orvex::ui {

struct ImageSize {
    int width = 0;
    int height = 0;
};

// The parts of a skinned scroll bar in client coordinates. A bar wider than high runs
// horizontally with its arrows at the left and right ends; otherwise it runs vertically with them
// at the top and bottom. The track is what lies between the arrows; the thumb keeps its image's
// length along the track and the bar's full thickness across it.
struct ScrollBarLayout {
    enum Orientation { kHorizontal = 0, kVertical = 1 };

    Orientation orientation = kHorizontal;
    EdgeRect firstArrow;
    EdgeRect secondArrow;
    EdgeRect track;
    EdgeRect thumb;

    // Along the bar: x for a horizontal bar, y for a vertical one.
    int Along(int x, int y) const { return orientation == kHorizontal ? x : y; }
    int TrackStart() const { return orientation == kHorizontal ? track.left : track.top; }
    int TrackLength() const { return orientation == kHorizontal ? track.Width() : track.Height(); }
    int ThumbLength() const { return orientation == kHorizontal ? thumb.Width() : thumb.Height(); }
};

// The part a press lands on.
enum ScrollBarPart { kNoPart = 0, kFirstArrowPart = 1, kThumbPart = 2, kSecondArrowPart = 3 };

// The layout of a bar of width × height, with the thumb at the start of the track.
ScrollBarLayout LayOutScrollBar(int width, int height, ImageSize firstArrow, ImageSize secondArrow,
                                ImageSize thumb);

// The thumb moved along the track for a position: its leading edge goes the position's share of
// the way the thumb can travel; an empty range leaves it at the track's start.
EdgeRect PlaceScrollThumb(const ScrollBarLayout& layout, int position, int minimum, int maximum);

// The position for a pointer at (x, y) with the thumb centred on it (the rounding rule of the
// sliders along the track).
int ScrollPositionAt(const ScrollBarLayout& layout, int x, int y, int minimum, int maximum);

// The arrows win over the thumb; a press on the bare track is no part.
ScrollBarPart ScrollBarPartAt(const ScrollBarLayout& layout, int x, int y);

}  // namespace orvex::ui
