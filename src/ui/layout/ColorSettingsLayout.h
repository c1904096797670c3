#pragma once

#include <array>
#include <cstdint>

#include "ui/layout/LayoutRect.h"

// The lighting page. These places fit the lighting page's skin family as drawn; the skin element
// number of each control is given beside it where the control asks by element.
namespace orvex::ui::layout::colorsettings {

// Lighting state radios (cut directly from the family's four bitmaps).
inline constexpr LayoutRect kOn{46, 68, 154, 20};
inline constexpr LayoutRect kOff{46, 88, 168, 20};
inline constexpr LayoutRect kSelect{46, 108, 82, 21};

// Zone boxes, top to bottom.
inline constexpr LayoutRect kScrollWheel{106, 146, 108, 18};   // element 76
inline constexpr LayoutRect kLogoType{106, 164, 108, 19};      // element 79
inline constexpr LayoutRect kDpiButtons{106, 183, 108, 20};    // element 78, disabled only
inline constexpr LayoutRect kDpiIndicator{106, 203, 108, 18};  // element 77, disabled only

// Zone colour swatches "1" and "4" open the colour panel; "3" and "2" are passive.
inline constexpr LayoutRect kZone1Colour{73, 145, 17, 16};  // element 100
inline constexpr LayoutRect kZone4Colour{73, 166, 17, 16};  // element 103
inline constexpr LayoutRect kZone3Colour{73, 186, 17, 16};  // element 102
inline constexpr LayoutRect kZone2Colour{73, 205, 17, 15};  // element 101

// The fixed colour grid "11" … "45": five columns, four rows, 22 × 22 each; elements 80 … 99 in
// row order.
inline constexpr std::array<int, 5> kGridColumns{550, 578, 605, 633, 661};
inline constexpr std::array<int, 4> kGridRows{118, 145, 173, 202};
inline constexpr int kGridCellSize = 22;
inline constexpr LayoutRect GridCell(int row, int column) {
    return LayoutRect{kGridColumns[static_cast<std::size_t>(column)],
                      kGridRows[static_cast<std::size_t>(row)], kGridCellSize, kGridCellSize};
}
// ARGB colour of each grid cell, row by row.
inline constexpr std::array<std::uint32_t, 20> kGridColours{
    0xFFFF0000, 0xFFFF1400, 0xFFFF3C00, 0xFFFF9600, 0xFFFFFF00, 0xFFB4FF00, 0xFF00FF00,
    0xFF3CFF0A, 0xFF3CFF46, 0xFF3CFF64, 0xFF00FFFF, 0xFF3C64FF, 0xFF1464FF, 0xFF0000FF,
    0xFF5000FF, 0xFFB400C8, 0xFFC800A0, 0xFFFF0064, 0xFFFF001E, 0xFFFF0A0A};

// Effect radios "Solid", "Blinking", "Pulsating", "Breathing" (elements 104 … 107).
inline constexpr std::array<LayoutRect, 4> kEffects{
    LayoutRect{46, 256, 81, 28}, LayoutRect{46, 284, 81, 19}, LayoutRect{46, 303, 81, 19},
    LayoutRect{46, 323, 81, 20}};

// Colour mode radios "Color Shift" and "Solid Color" (elements 108, 109).
inline constexpr LayoutRect kColorShift{544, 67, 86, 19};
inline constexpr LayoutRect kSolidColor{544, 87, 86, 20};

// Red, green and blue fields (elements 110 … 112).
inline constexpr std::array<LayoutRect, 3> kColourFields{
    LayoutRect{552, 266, 36, 15}, LayoutRect{599, 266, 37, 15}, LayoutRect{645, 266, 36, 15}};

// The lighting preview "Mouse" (element 113, the mouse picture).
inline constexpr LayoutRect kMousePreview{257, 75, 205, 212};
// The two lamp windows of the mouse picture, in preview pixels: the scroll wheel (zone 0) and the
// logo (zone 3). The picture is transparent there, so the zone colours painted behind it show.
inline constexpr LayoutRect kPreviewWheelZone{85, 12, 35, 43};
inline constexpr LayoutRect kPreviewLogoZone{80, 153, 41, 37};

// Control identifiers.
inline constexpr int kOnId = 1201;
inline constexpr int kOffId = 1202;
inline constexpr int kSelectId = 1203;
inline constexpr int kScrollWheelId = 1204;
inline constexpr int kLogoTypeId = 1205;
inline constexpr int kDpiButtonsId = 1206;
inline constexpr int kDpiIndicatorId = 1207;
inline constexpr int kZone1ColourId = 1208;
inline constexpr int kZone4ColourId = 1209;
inline constexpr int kZone3ColourId = 1210;
inline constexpr int kZone2ColourId = 1211;
inline constexpr int kColorShiftId = 1212;
inline constexpr int kSolidColorId = 1213;
inline constexpr int kColourFieldFirstId = 1214;  // red, green, blue
inline constexpr int kMousePreviewId = 1217;
inline constexpr int kEffectFirstId = 1218;  // "Solid", "Blinking", "Pulsating", "Breathing"
inline constexpr int kGridFirstId = 1222;    // "11" … "45", row by row
inline constexpr int GridCellId(int row, int column) {
    return kGridFirstId + row * static_cast<int>(kGridColumns.size()) + column;
}

// Pictured captions.
inline constexpr LayoutRect kLightingCaption{46, 40, 200, 20};
inline constexpr LayoutRect kEffectCaption{46, 232, 200, 20};
inline constexpr LayoutRect kColourCaption{544, 40, 140, 20};
inline constexpr LayoutRect kRgbCaption{552, 244, 130, 18};

}  // namespace orvex::ui::layout::colorsettings
