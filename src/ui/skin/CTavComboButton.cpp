#include "ui/skin/CTavComboButton.h"

namespace orvex::ui {

PopupMenu* CTavComboButton::CreateMenu(int id, const QRect& rect) {
    return new CTavMenu(this, id, rect);
}

}  // namespace orvex::ui
