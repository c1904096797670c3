#include "ui/skin/SkinFiles.h"

namespace orvex::ui {

const std::array<std::string_view, kSkinFileCount> kSkinFileNames = {
    "Main_Normal.bmp",
    "Main_Over.bmp",
    "Main_Down.bmp",
    "Main_Disable.bmp",
    "MouseSetting_Normal.bmp",
    "MouseSetting_Over.bmp",
    "MouseSetting_Down.bmp",
    "MouseSetting_Disable.bmp",
    "Sensor_Normal.bmp",
    "Sensor_Over.bmp",
    "Sensor_Down.bmp",
    "Sensor_Disable.bmp",
    "ColorSetting_BK.bmp",
    "ColorSetting_Normal.bmp",
    "ColorSetting_Over.bmp",
    "ColorSetting_Down.bmp",
    "ColorSetting_Disable.bmp",
    "MacroSetting_BK.bmp",
    "MacroSetting_Normal.bmp",
    "MacroSetting_Over.bmp",
    "MacroSetting_Down.bmp",
    "MacroSetting_Disable.bmp",
    "Support_Normal.bmp",
    "Support_Over.bmp",
    "Support_Down.bmp",
    "Support_Disable.bmp",
    "Slider_Normal.bmp",
    "Slider_Disable.bmp",
    "Slider1.bmp",
    "Slider2.bmp",
    "Slider3.bmp",
    "ColorPanel.bmp",
    "Mouse.png",
    "ReName_Normal.bmp",
    "ReName_Over.bmp",
    "ReName_Down.bmp",
    "ReName_Disable.bmp",
    "Scroll_Normal.bmp",
    "Scroll_Over.bmp",
    "Scroll_Down.bmp",
    "LeftClickWarn_Normal.bmp",
    "LeftClickWarn_Over.bmp",
    "LeftClickWarn_Down.bmp",
    "DeleteMacro_Normal.bmp",
    "DeleteMacro_Over.bmp",
    "DeleteMacro_Down.bmp",
    "SensorSQAT1_Normal.bmp",
    "SensorSQAT1_Over.bmp",
    "SensorSQAT1_Down.bmp",
    "SensorSQAT2_Normal.bmp",
    "SensorSQAT2_Over.bmp",
    "SensorSQAT2_Down.bmp",
    "SensorSQAT3_Normal.bmp",
    "SensorSQAT3_Over.bmp",
    "SensorSQAT3_Down.bmp",
    "ResetWarn_Normal.bmp",
    "ResetWarn_Over.bmp",
    "ResetWarn_Down.bmp",
    "AssignKey_Normal.bmp",
    "AssignKey_Over.bmp",
    "AssignKey_Down.bmp",
    "AssignKey_Disable.bmp",
};

namespace {

// Where a family's run of state bitmaps starts in the load order above.
int FirstSlotOf(SkinFamily family) {
    switch (family) {
        case SkinFamily::Main:
            return 0;
        case SkinFamily::MouseSetting:
            return 4;
        case SkinFamily::Sensor:
            return 8;
        case SkinFamily::ColorSetting:
            return 13;
        case SkinFamily::MacroSetting:
            return 18;
        case SkinFamily::Support:
            return 22;
        case SkinFamily::ReName:
            return 33;
        case SkinFamily::Scroll:
            return 37;
        case SkinFamily::LeftClickWarn:
            return 40;
        case SkinFamily::DeleteMacro:
            return 43;
        case SkinFamily::SensorSqat1:
            return 46;
        case SkinFamily::SensorSqat2:
            return 49;
        case SkinFamily::SensorSqat3:
            return 52;
        case SkinFamily::ResetWarn:
            return 55;
        case SkinFamily::AssignKey:
            return 58;
    }
    return 0;
}

}  // namespace

int FamilySlot(SkinFamily family, SkinState state) {
    if (!FamilyHasState(family, state)) {
        return -1;
    }
    return FirstSlotOf(family) + static_cast<int>(state);
}

}  // namespace orvex::ui
