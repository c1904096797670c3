#pragma once

#include "ui/layout/LayoutRect.h"

// Slider thumbs. A slider's track is the crop of its page's bitmaps under the slider; the thumbs
// are whole images: "Slider_Normal" the thumb, "Slider_Disable" the inert thumb, and "Slider1" …
// "Slider3" the three thumbs of a resolution slider (steps 1, 2, 3), all of one size so that a
// thumb fills the slider's height.
namespace orvex::ui::layout::slider {

inline constexpr LayoutSize kThumbSize{14, 24};

}  // namespace orvex::ui::layout::slider
