#pragma once

#include "ui/layout/LayoutRect.h"

// The rename dialog; its bitmap sets the dialog's size.
namespace orvex::ui::layout::rename {

inline constexpr LayoutSize kDialogSize{397, 165};

inline constexpr int kOkId = 1072;
inline constexpr LayoutRect kOk{273, 130, 55, 25};
inline constexpr int kCancelId = 1073;
inline constexpr LayoutRect kCancel{336, 130, 55, 25};
inline constexpr int kCloseId = 1074;
inline constexpr LayoutRect kClose{376, 0, 21, 22};
inline constexpr int kEditId = 1075;
inline constexpr LayoutRect kEdit{112, 44, 199, 15};

// Pictured captions.
inline constexpr LayoutRect kTitleCaption{12, 0, 300, 22};
inline constexpr LayoutRect kNameCaption{12, 42, 96, 18};

}  // namespace orvex::ui::layout::rename
