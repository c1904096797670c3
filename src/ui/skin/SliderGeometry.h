#pragma once

#include <array>

#include "ui/skin/EdgeRect.h"

namespace orvex::ui {

// The arithmetic of the sliders, the scroll bar and the progress bar, kept apart from the widgets.
// Pixel columns are client coordinates: a control's client area starts at 0.

struct SliderRange {
    int minimum = 0;
    int maximum = 100;
    int step = 1;
};

// The one rounding rule for turning a pointer into a value: `offset` pixels into a usable length
// map linearly onto minimum..maximum. The result is held in single precision, truncated toward
// zero, raised by one when what was cut off is at least a half, and clamped to the range. A usable
// length of zero or less gives the minimum.
int ValueFromOffset(int offset, int usableLength, int minimum, int maximum);

// Snaps to the nearest multiple of the step, an exact half going down. The result is not clamped
// to the range again. A step of zero or less leaves the value as it is.
int SnapToStep(int value, int step);

// Where the value lies in the range, 0..1 inside it, in single precision; 0 for an empty range.
float RangeFraction(int value, int minimum, int maximum);

// trunc(length × fraction), saturated to the int range.
int ScaledLength(int length, float fraction);

// The value of a slider whose thumb (of `thumbWidth`) is centred on column x of a client area
// `clientWidth` wide: rounded, clamped, then snapped to the step.
int SliderValueAt(int x, int clientWidth, int thumbWidth, const SliderRange& range);

// The column a thumb of `thumbWidth` is centred on for a value.
int SliderThumbCentre(int clientWidth, int thumbWidth, int value, int minimum, int maximum);

// A thumb of the three-thumb slider: its image's size, centred on `centre`, vertically centred on
// the track the tallest thumb (thumb 3) defines, and kept inside the client columns.
EdgeRect ThreeThumbRect(int centre, int thumbWidth, int thumbHeight, int thumb3Height,
                        int clientWidth);

// The thumb a press at (x, y) takes, 1..3, the first whose rectangle holds the point; 0 for none.
int ThumbAt(const std::array<EdgeRect, 3>& thumbs, int x, int y);

// How many pixels of a progress bar `clientLength` long are filled, within 0..clientLength; none
// for an empty range.
int ProgressFillLength(int clientLength, int position, int minimum, int maximum);

}  // namespace orvex::ui
