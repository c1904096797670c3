#pragma once

#include <array>

#include "ui/layout/LayoutRect.h"

// The main window: a title strip with the logo, the five page tabs above the page area, the
// profile slots down the left side with Reset to Default and the language selector under them,
// and OK, Apply and Cancel along the bottom right. Read top to bottom, left to right, the user
// meets the profile first, then what to edit, then how to commit it.
namespace orvex::ui::layout::mainwindow {

inline constexpr LayoutSize kWindowSize{952, 520};

// Every page is a child dialog placed here; all page bitmaps have kPageSize.
inline constexpr LayoutPoint kPageOrigin{232, 96};
inline constexpr LayoutSize kPageSize{704, 360};
inline constexpr LayoutRect kPageArea{kPageOrigin.x, kPageOrigin.y, kPageSize.width,
                                      kPageSize.height};

// Page buttons, ids 1000 … 1004, in tab order.
inline constexpr int kPageButtonFirstId = 1000;
inline constexpr LayoutRect kMouseSettingsTab{232, 52, 136, 36};
inline constexpr LayoutRect kSensorTab{374, 52, 136, 36};
inline constexpr LayoutRect kColorSettingsTab{516, 52, 136, 36};
inline constexpr LayoutRect kMacroSettingsTab{658, 52, 136, 36};
inline constexpr LayoutRect kSupportTab{800, 52, 136, 36};
inline constexpr std::array<LayoutRect, 5> kPageTabs{
    kMouseSettingsTab, kSensorTab, kColorSettingsTab, kMacroSettingsTab, kSupportTab};

// Slot buttons 1007 … 1011 for slots 1 … 5; each slot's menu button sits to its right and has the
// descending id 1020 … 1016.
inline constexpr int kSlotButtonFirstId = 1007;
inline constexpr int kSlotMenuButtonFirstId = 1020;
inline constexpr std::array<LayoutRect, 5> kSlotButtons{
    LayoutRect{16, 96, 160, 36}, LayoutRect{16, 142, 160, 36}, LayoutRect{16, 188, 160, 36},
    LayoutRect{16, 234, 160, 36}, LayoutRect{16, 280, 160, 36}};
inline constexpr std::array<LayoutRect, 5> kSlotMenuButtons{
    LayoutRect{180, 96, 36, 36}, LayoutRect{180, 142, 36, 36}, LayoutRect{180, 188, 36, 36},
    LayoutRect{180, 234, 36, 36}, LayoutRect{180, 280, 36, 36}};

inline constexpr int kResetToDefaultId = 1031;
inline constexpr LayoutRect kResetToDefault{16, 336, 200, 32};

inline constexpr int kLanguageId = 1032;
inline constexpr LayoutRect kLanguage{16, 404, 200, 30};

inline constexpr int kOkId = 1041;
inline constexpr int kApplyId = 1042;
inline constexpr int kCancelId = 1044;
inline constexpr LayoutRect kOk{620, 472, 100, 32};
inline constexpr LayoutRect kApply{728, 472, 100, 32};
inline constexpr LayoutRect kCancel{836, 472, 100, 32};

// The version text; its caption "Version" is part of the picture to its left.
inline constexpr int kVersionId = 1080;
inline constexpr LayoutRect kVersion{80, 479, 40, 18};

// Pictured captions the generator draws; no control sits on them.
inline constexpr LayoutRect kLogoCaption{16, 10, 400, 32};
inline constexpr LayoutRect kProfilesCaption{16, 70, 200, 20};
inline constexpr LayoutRect kLanguageCaption{16, 380, 200, 20};
inline constexpr LayoutRect kVersionCaption{16, 479, 60, 18};

}  // namespace orvex::ui::layout::mainwindow
