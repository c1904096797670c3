#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

#include "ui/layout/SkinState.h"

namespace orvex::ui {

// A family is a run of state bitmaps of one window, drawn in register: Normal, Over, Down and,
// for most, Disable.
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

// How a family's bitmaps are named ("<stem>_Normal.bmp" …) and how many states it has: the
// first `stateCount` of Normal, Hover, Pressed, Disabled.
struct SkinFamilyFiles {
    SkinFamily family;
    std::string_view stem;
    int stateCount;
};

// In the order of the enumeration.
inline constexpr std::array kSkinFamilies{
    SkinFamilyFiles{SkinFamily::Main, "Main", 4},
    SkinFamilyFiles{SkinFamily::MouseSetting, "MouseSetting", 4},
    SkinFamilyFiles{SkinFamily::Sensor, "Sensor", 4},
    SkinFamilyFiles{SkinFamily::ColorSetting, "ColorSetting", 4},
    SkinFamilyFiles{SkinFamily::MacroSetting, "MacroSetting", 4},
    SkinFamilyFiles{SkinFamily::Support, "Support", 4},
    SkinFamilyFiles{SkinFamily::ReName, "ReName", 4},
    SkinFamilyFiles{SkinFamily::Scroll, "Scroll", 3},
    SkinFamilyFiles{SkinFamily::LeftClickWarn, "LeftClickWarn", 3},
    SkinFamilyFiles{SkinFamily::DeleteMacro, "DeleteMacro", 3},
    SkinFamilyFiles{SkinFamily::SensorSqat1, "SensorSQAT1", 3},
    SkinFamilyFiles{SkinFamily::SensorSqat2, "SensorSQAT2", 3},
    SkinFamilyFiles{SkinFamily::SensorSqat3, "SensorSQAT3", 3},
    SkinFamilyFiles{SkinFamily::ResetWarn, "ResetWarn", 3},
    SkinFamilyFiles{SkinFamily::AssignKey, "AssignKey", 4},
};

constexpr const SkinFamilyFiles& FilesOf(SkinFamily family) {
    return kSkinFamilies[static_cast<std::size_t>(family)];
}

constexpr bool FamilyRowsFollowTheEnumeration() {
    for (std::size_t i = 0; i < kSkinFamilies.size(); ++i) {
        if (static_cast<std::size_t>(kSkinFamilies[i].family) != i) {
            return false;
        }
    }
    return true;
}
static_assert(FamilyRowsFollowTheEnumeration());

constexpr std::string_view FamilyStem(SkinFamily family) {
    return FilesOf(family).stem;
}

constexpr bool FamilyHasState(SkinFamily family, SkinState state) {
    const int index = static_cast<int>(state);
    return index >= 0 && index < FilesOf(family).stateCount;
}

// The family's states, in file order.
constexpr std::span<const SkinState> FamilyStates(SkinFamily family) {
    return std::span(kSkinStates).first(static_cast<std::size_t>(FilesOf(family).stateCount));
}

}  // namespace orvex::ui
