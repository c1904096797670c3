#include "ui/skin/CQELComboButton.h"

namespace orvex::ui {

PopupMenu* CQELComboButton::CreateMenu(int id, const QRect& rect) {
    return new CQELMenu(this, id, rect);
}

}  // namespace orvex::ui
