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

struct FamilyRun {
    int firstSlot;
    int stateCount;
};

FamilyRun RunOf(SkinFamily family) {
    switch (family) {
        case SkinFamily::Main:
            return {0, 4};
        case SkinFamily::MouseSetting:
            return {4, 4};
        case SkinFamily::Sensor:
            return {8, 4};
        case SkinFamily::ColorSetting:
            return {13, 4};
        case SkinFamily::MacroSetting:
            return {18, 4};
        case SkinFamily::Support:
            return {22, 4};
        case SkinFamily::ReName:
            return {33, 4};
        case SkinFamily::Scroll:
            return {37, 3};
        case SkinFamily::LeftClickWarn:
            return {40, 3};
        case SkinFamily::DeleteMacro:
            return {43, 3};
        case SkinFamily::SensorSqat1:
            return {46, 3};
        case SkinFamily::SensorSqat2:
            return {49, 3};
        case SkinFamily::SensorSqat3:
            return {52, 3};
        case SkinFamily::ResetWarn:
            return {55, 3};
        case SkinFamily::AssignKey:
            return {58, 4};
    }
    return {0, 0};
}

}  // namespace

int FamilySlot(SkinFamily family, int state) {
    const FamilyRun run = RunOf(family);
    if (state < 0 || state >= run.stateCount) {
        return -1;
    }
    return run.firstSlot + state;
}

}  // namespace orvex::ui
