#pragma once

#include "ui/layout/LayoutRect.h"

// The support page: help links on the left, update links on the right, the two version texts in
// the bottom right corner.
namespace orvex::ui::layout::support {

inline constexpr LayoutRect kFqa{139, 122, 125, 25};
inline constexpr LayoutRect kOnlineSupport{139, 274, 125, 24};
inline constexpr LayoutRect kCheckUpdates{504, 122, 141, 25};
inline constexpr LayoutRect kCheckFirmware{508, 274, 137, 24};
inline constexpr LayoutRect kFirmVersion{630, 301, 30, 14};
inline constexpr LayoutRect kSoftVersion{630, 314, 30, 13};

// Pictured captions: the two sections and the labels in front of the version texts.
inline constexpr LayoutRect kHelpCaption{60, 60, 280, 22};
inline constexpr LayoutRect kUpdatesCaption{420, 60, 260, 22};
inline constexpr LayoutRect kFirmVersionCaption{500, 301, 126, 14};
inline constexpr LayoutRect kSoftVersionCaption{500, 314, 126, 13};

}  // namespace orvex::ui::layout::support
