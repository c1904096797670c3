#pragma once

namespace orvex::ui {

// A rectangle by its four edges, the way the skin layouts are measured: right and bottom are the
// first column and row outside it. A point on the right or bottom edge is therefore not inside.
struct EdgeRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    bool operator==(const EdgeRect&) const = default;
};

}  // namespace orvex::ui
