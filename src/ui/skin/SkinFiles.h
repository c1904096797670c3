#pragma once

#include <array>
#include <string_view>

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
    kSlotLeftClickWarnNormal = 40,
    kSlotDeleteMacroNormal = 43,
    kSlotSensorSqat1Normal = 46,
    kSlotSensorSqat2Normal = 49,
    kSlotSensorSqat3Normal = 52,
    kSlotResetWarnNormal = 55,
    kSlotAssignKeyNormal = 58,
};

// A family is a run of state bitmaps in register: Normal, Over, Down and, for most, Disable.
enum class SkinFamily {
    Main,
    MouseSetting,
    Sensor,
    ColorSetting,
    MacroSetting,
    Support,
    ReName,
    Scroll,
    LeftClickWarn,
    DeleteMacro,
    SensorSqat1,
    SensorSqat2,
    SensorSqat3,
    ResetWarn,
    AssignKey,
};

// The slot of the family's bitmap for a control state, or -1 when the family has no such state.
int FamilySlot(SkinFamily family, int state);

}  // namespace orvex::ui
