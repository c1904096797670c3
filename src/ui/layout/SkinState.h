#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace orvex::ui {

// The look a skinned control is drawn in, and so the bitmap of its family its picture is cut from.
// The numbers are fixed: skin element requests carry them (element number + state), and a
// family's bitmaps are stored in this order.
enum class SkinState : int {
    Normal = 0,
    Hover = 1,
    Pressed = 2,   // left button down on the control, or dragging a thumb
    Disabled = 3,  // for sliders: held inert by their owner
};

inline constexpr std::size_t kSkinStateCount = 4;
inline constexpr std::array<SkinState, kSkinStateCount> kSkinStates{
    SkinState::Normal, SkinState::Hover, SkinState::Pressed, SkinState::Disabled};

constexpr std::size_t StateIndex(SkinState state) {
    return static_cast<std::size_t>(state);
}

// How a state's bitmap is named: "Main_Normal.bmp", "Main_Over.bmp", "Main_Down.bmp",
// "Main_Disable.bmp".
constexpr std::string_view StateFileSuffix(SkinState state) {
    switch (state) {
        case SkinState::Hover:
            return "Over";
        case SkinState::Pressed:
            return "Down";
        case SkinState::Disabled:
            return "Disable";
        case SkinState::Normal:
            break;
    }
    return "Normal";
}

}  // namespace orvex::ui
