#pragma once

#include "ui/layout/LayoutRect.h"

// The lists' vertical scroll bar. "Scroll_Normal" is the whole bar (its background, scaled to the
// list's height); the arrows and the thumb are cut from "Scroll_Down" (at rest) and "Scroll_Over"
// (pressed) at the rectangles below. The bar is as wide as the band the event list leaves free at
// its right edge.
namespace orvex::ui::layout::scrollbar {

inline constexpr LayoutSize kBitmapSize{24, 199};
inline constexpr LayoutRect kUpArrow{0, 0, 24, 18};
inline constexpr LayoutRect kThumb{0, 18, 24, 32};
inline constexpr LayoutRect kDownArrow{0, 181, 24, 18};

}  // namespace orvex::ui::layout::scrollbar
