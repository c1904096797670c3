#pragma once

namespace orvex::ui {

// What a pop-up is for. Each mode's number is also the skin element of the pop-up's face; the
// face itself is in PopupLayout.h.
enum class PopupMode : int {
    LeftClickWarning = 145,
    DeleteMacroConfirm = 148,
    SurfaceIntro = 152,
    SurfaceCountdown = 156,
    SurfaceResult = 162,
    ResetWarning = 165,
    AssignKey = 169,
};

}  // namespace orvex::ui
