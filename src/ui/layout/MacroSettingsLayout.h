#pragma once

#include "ui/layout/LayoutRect.h"

// The macro page: the macro list and the event list side by side, New Macro and Delete under the
// macro list, the recording options and Start/Stop Record in the right column.
namespace orvex::ui::layout::macrosettings {

inline constexpr int kMacroListId = 1069;
inline constexpr LayoutRect kMacroList{42, 75, 200, 199};
inline constexpr int kEventListId = 1070;
inline constexpr LayoutRect kEventList{282, 75, 200, 199};

inline constexpr int kNewMacroId = 1064;
inline constexpr LayoutRect kNewMacro{41, 285, 81, 26};
inline constexpr int kDeleteId = 1065;
inline constexpr LayoutRect kDelete{137, 285, 83, 26};

inline constexpr int kRecordDelayId = 1066;
inline constexpr LayoutRect kRecordDelay{543, 73, 86, 17};
inline constexpr int kRecordHoldId = 1071;
inline constexpr LayoutRect kRecordHold{543, 95, 86, 19};

// Start Record and Stop Record share one place; exactly one of them is shown.
inline constexpr int kStartRecordId = 1067;
inline constexpr LayoutRect kStartRecord{542, 127, 86, 25};
inline constexpr int kStopRecordId = 1068;
inline constexpr LayoutRect kStopRecord{542, 127, 86, 25};

// Pictured captions.
inline constexpr LayoutRect kMacroListCaption{42, 48, 200, 20};
inline constexpr LayoutRect kEventListCaption{282, 48, 200, 20};
inline constexpr LayoutRect kRecordCaption{542, 48, 140, 20};

}  // namespace orvex::ui::layout::macrosettings
