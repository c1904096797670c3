#pragma once

#include <array>

#include "ui/layout/LayoutRect.h"

// The mouse settings page: the mouse seen from above with a numbered badge at each button on the
// left, the nine function buttons in the middle in the badges' order, and the pointer settings
// (report rate, double click, scroll speed, acceleration) in the right column.
namespace orvex::ui::layout::mousesettings {

// Function buttons of buttons 0 … 8, by their control ids.
inline constexpr std::array<int, 9> kFunctionIds{1012, 1021, 1022, 1023, 1024,
                                                 1025, 1026, 1031, 1038};
inline constexpr std::array<LayoutRect, 9> kFunctions{
    LayoutRect{282, 40, 170, 26},  LayoutRect{282, 74, 170, 26},  LayoutRect{282, 108, 170, 26},
    LayoutRect{282, 142, 170, 26}, LayoutRect{282, 176, 170, 26}, LayoutRect{282, 210, 170, 26},
    LayoutRect{282, 244, 170, 26}, LayoutRect{282, 278, 170, 26}, LayoutRect{282, 312, 170, 26}};
// The pictured number in front of each function button's row.
inline constexpr std::array<LayoutRect, 9> kFunctionNumbers{
    LayoutRect{254, 44, 22, 18},  LayoutRect{254, 78, 22, 18},  LayoutRect{254, 112, 22, 18},
    LayoutRect{254, 146, 22, 18}, LayoutRect{254, 180, 22, 18}, LayoutRect{254, 214, 22, 18},
    LayoutRect{254, 248, 22, 18}, LayoutRect{254, 282, 22, 18}, LayoutRect{254, 316, 22, 18}};

// "Bn1" … "Bn9": the number badges on the mouse picture (no behaviour).
inline constexpr std::array<LayoutRect, 9> kButtonBadges{
    LayoutRect{20, 64, 22, 18},    // 1 left button
    LayoutRect{202, 64, 22, 18},   // 2 right button
    LayoutRect{202, 104, 22, 18},  // 3 wheel
    LayoutRect{20, 164, 22, 18},   // 4 forward (thumb side, front)
    LayoutRect{20, 204, 22, 18},   // 5 back (thumb side, rear)
    LayoutRect{202, 144, 22, 18},  // 6 resolution up
    LayoutRect{202, 184, 22, 18},  // 7 resolution down
    LayoutRect{20, 124, 22, 18},   // 8 front of the left button's side
    LayoutRect{202, 264, 22, 18},  // 9 profile button behind the palm
};
// The mouse picture the badges point at (part of the page picture).
inline constexpr LayoutRect kMousePicture{52, 28, 140, 312};

// Report rate boxes "125", "250", "500", "1000" (no ids), used as radio buttons.
inline constexpr std::array<LayoutRect, 4> kReportRates{
    LayoutRect{484, 40, 48, 22}, LayoutRect{534, 40, 48, 22}, LayoutRect{584, 40, 48, 22},
    LayoutRect{634, 40, 48, 22}};

inline constexpr int kDoubleClickId = 1014;
inline constexpr LayoutRect kDoubleClick{484, 112, 200, 24};
inline constexpr int kScrollSpeedId = 1015;
inline constexpr LayoutRect kScrollSpeed{484, 194, 200, 24};
inline constexpr int kAccelerationEnableId = 1040;
inline constexpr LayoutRect kAccelerationEnable{484, 272, 90, 20};
inline constexpr int kPointAccelerationId = 1016;
inline constexpr LayoutRect kPointAcceleration{484, 304, 200, 24};

// Pictured captions.
inline constexpr LayoutRect kButtonsCaption{254, 12, 198, 20};
inline constexpr LayoutRect kReportRateCaption{484, 12, 200, 20};
inline constexpr LayoutRect kDoubleClickCaption{484, 86, 200, 20};
inline constexpr LayoutRect kScrollSpeedCaption{484, 168, 200, 20};
inline constexpr LayoutRect kAccelerationCaption{484, 248, 200, 20};

}  // namespace orvex::ui::layout::mousesettings
