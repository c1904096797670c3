#pragma once

namespace orvex::ui::layout {

// A control's place in its window, in window pixels: the top-left corner and the size. right()
// and bottom() are the first column and row outside the rectangle.
struct LayoutRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    constexpr int right() const { return left + width; }
    constexpr int bottom() const { return top + height; }
    constexpr bool Contains(int x, int y) const {
        return x >= left && x < right() && y >= top && y < bottom();
    }
    constexpr bool Intersects(const LayoutRect& other) const {
        return left < other.right() && other.left < right() && top < other.bottom() &&
               other.top < bottom();
    }
    constexpr bool operator==(const LayoutRect&) const = default;
};

struct LayoutPoint {
    int x = 0;
    int y = 0;
    constexpr bool operator==(const LayoutPoint&) const = default;
};

struct LayoutSize {
    int width = 0;
    int height = 0;
    constexpr bool operator==(const LayoutSize&) const = default;
};

// Controls the windows create without a dialog identifier of their own.
inline constexpr int kNoControlId = -1;

}  // namespace orvex::ui::layout
