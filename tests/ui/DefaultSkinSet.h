#pragma once

#include "ui/skin/SkinImageSet.h"

namespace orvex::ui::testing {

// The default skin the build draws, which the program's own pages are cut from; loaded once per
// test program.
SkinImageSet& DefaultSkinSet();

}  // namespace orvex::ui::testing
