#pragma once

#include <array>
#include <string_view>

#include "ui/layout/SkinFamily.h"

namespace orvex::ui {

// The skin bitmaps in the order they are loaded; an image's slot in the skin set is its index here.
// Each page or pop-up has one full-size bitmap per control state, drawn in register.
inline constexpr int kSkinFileCount = 62;
extern const std::array<std::string_view, kSkinFileCount> kSkinFileNames;

// Slots that are handed out whole rather than cropped.
enum SkinSlot : int {
    kSlotMainNormal = 0,
    kSlotMouseSettingNormal = 4,
    kSlotSensorNormal = 8,
    kSlotColorSettingBackground = 12,
    kSlotMacroSettingBackground = 17,
    kSlotSupportNormal = 22,
    kSlotSliderNormal = 26,
    kSlotSliderDisable = 27,
    kSlotSlider1 = 28,
    kSlotSlider2 = 29,
    kSlotSlider3 = 30,
    kSlotColorPanel = 31,
    kSlotMouse = 32,
    kSlotReNameNormal = 33,
    kSlotScrollNormal = 37,
    kSlotScrollOver = 38,
    kSlotScrollDown = 39,
};

// The slot of the family's bitmap for a control state, or -1 when the family has no such state.
int FamilySlot(SkinFamily family, SkinState state);

}  // namespace orvex::ui
