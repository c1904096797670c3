#pragma once

#include <QRect>

#include "ui/skin/PopupMenu.h"

namespace orvex::ui {

// The program's pop-up menu: the record menu of the event list, the drop-down lists of
// CTavComboButton and the tray menu. Its entries leave room for a sub-menu arrow, which shows
// (and the sub-menu opens) only when the sub-menu has entries; it opens at placements 0, 2 and 3.
class CTavMenu : public PopupMenu {
    Q_OBJECT

  public:
    // Owners make their menu small (for example 0, 0, 50, 10) and set its width afterwards; the
    // height follows the entries when it pops up.
    CTavMenu(QWidget* owner, int id, const QRect& rect, CTavMenu* parentMenu = nullptr);

    CTavMenu* GetSubMenu(int id) { return static_cast<CTavMenu*>(PopupMenu::GetSubMenu(id)); }

    // Presses outside the chains of this family; tests look at whether it is installed.
    static MenuPressWatch& FamilyPressWatch();

  protected:
    PopupMenu* CreateSubMenu(int id, const QRect& rect) override;
    bool SupportsPlacement(int placement) const override;
    int ItemRightInset() const override { return 15; }
    bool ShowsSubMenuOf(const MenuItem& item) const override;
};

}  // namespace orvex::ui
