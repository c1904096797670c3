#pragma once

#include "ui/layout/SkinState.h"

namespace orvex::ui {

// Where the image for a skin element number comes from.
struct SkinElementSource {
    enum class Kind {
        Invalid,  // no such element, or a state the element's family lacks
        Shared,   // the set's own image, handed out as is
        Copy,     // a fresh copy of a whole image
        Crop,     // the control's rectangle cut from the slot's bitmap
    };
    Kind kind = Kind::Invalid;
    int slot = -1;
};

// Controls ask for their images by element number (0..173) and state. Whole-image elements ignore
// the state.
SkinElementSource ResolveSkinElement(int element, SkinState state);

}  // namespace orvex::ui
