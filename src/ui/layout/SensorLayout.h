#pragma once

#include <array>

#include "ui/layout/LayoutRect.h"

// The sensor page: resolution steps (the tie box, the step values, the X and Y sliders) at the
// top left, then defined mode and angle snap, pointer speed and the lift-off distance with its
// Test and Save; the surface picture, its quality bar and Analyze Surface fill the right column.
namespace orvex::ui::layout::sensor {

inline constexpr int kSeparateId = 1018;
inline constexpr LayoutRect kSeparate{24, 36, 260, 20};

// "XYaxisBK1" … "XYaxisBK3" and the two label rows inside them: the X values ("Step1x" …) on the
// upper row, shown only when X and Y are set separately, and the Y values ("Step1xy" …) below.
inline constexpr std::array<LayoutRect, 3> kStepBackgrounds{
    LayoutRect{72, 62, 112, 46}, LayoutRect{196, 62, 112, 46}, LayoutRect{320, 62, 112, 46}};
inline constexpr std::array<LayoutRect, 3> kStepXLabels{
    LayoutRect{78, 64, 100, 20}, LayoutRect{202, 64, 100, 20}, LayoutRect{326, 64, 100, 20}};
inline constexpr std::array<LayoutRect, 3> kStepXYLabels{
    LayoutRect{78, 86, 100, 20}, LayoutRect{202, 86, 100, 20}, LayoutRect{326, 86, 100, 20}};

inline constexpr int kXAxisId = 1022;
inline constexpr LayoutRect kXAxis{48, 120, 396, 24};
inline constexpr int kYAxisId = 1023;
inline constexpr LayoutRect kYAxis{48, 156, 396, 24};

inline constexpr int kDefinedModeId = 1087;
inline constexpr LayoutRect kDefinedMode{24, 202, 180, 20};
inline constexpr int kDefinedValueId = 1088;
inline constexpr LayoutRect kDefinedValue{208, 203, 40, 18};

inline constexpr int kAngleSnapId = 1095;
inline constexpr LayoutRect kAngleSnap{384, 200, 60, 24};

inline constexpr int kPointSpeedId = 1024;
inline constexpr LayoutRect kPointSpeed{24, 262, 420, 24};

inline constexpr int kLiftDistanceId = 1025;
inline constexpr LayoutRect kLiftDistance{24, 320, 300, 24};
inline constexpr int kTestId = 1020;
inline constexpr LayoutRect kTest{336, 318, 50, 28};
inline constexpr int kSaveId = 1019;
inline constexpr LayoutRect kSave{394, 318, 50, 28};

inline constexpr int kSurfaceId = 1027;
inline constexpr LayoutRect kSurface{476, 40, 160, 120};
inline constexpr int kQualityAnalyzerId = 1026;
inline constexpr LayoutRect kQualityAnalyzer{652, 40, 28, 244};
inline constexpr int kAnalyzeSurfaceId = 1021;
inline constexpr LayoutRect kAnalyzeSurface{476, 300, 208, 36};

// The surface pictures "0.bmp" … "100.bmp" fill the "Surface" static exactly.
inline constexpr LayoutSize kSurfacePictureSize{kSurface.width, kSurface.height};

// Pictured captions.
inline constexpr LayoutRect kResolutionCaption{24, 12, 420, 20};
// Row captions in front of the step values: the X row and the row of Y (or tied) values.
inline constexpr LayoutRect kStepXRowCaption{24, 64, 44, 20};
inline constexpr LayoutRect kStepXYRowCaption{24, 86, 44, 20};
inline constexpr LayoutRect kXAxisCaption{24, 120, 20, 24};
inline constexpr LayoutRect kYAxisCaption{24, 156, 20, 24};
inline constexpr LayoutRect kAngleSnapCaption{276, 202, 104, 20};
inline constexpr LayoutRect kPointSpeedCaption{24, 238, 420, 20};
inline constexpr LayoutRect kLiftDistanceCaption{24, 296, 420, 20};
inline constexpr LayoutRect kSurfaceCaption{476, 12, 208, 20};
inline constexpr LayoutRect kSurfaceLegend{476, 168, 160, 116};

}  // namespace orvex::ui::layout::sensor
