#pragma once

#include <QRect>

#include "ui/skin/PopupMenu.h"

namespace orvex::ui {

// The entries of CQELMenu are the same records as CTavMenu's.
using LaMenuItem = MenuItem;

// The second menu family, used by CQELComboButton: the same look and rules as CTavMenu, with
// entries over the full width, a sub-menu that opens (and an arrow) whenever an entry has the
// sub-menu flag, placements 0 and 2 only, and an outside-press watch of its own.
class CQELMenu : public PopupMenu {
    Q_OBJECT

  public:
    CQELMenu(QWidget* owner, int id, const QRect& rect, CQELMenu* parentMenu = nullptr);

    CQELMenu* GetSubMenu(int id) { return static_cast<CQELMenu*>(PopupMenu::GetSubMenu(id)); }

    static MenuPressWatch& FamilyPressWatch();

  protected:
    PopupMenu* CreateSubMenu(int id, const QRect& rect) override;
    bool SupportsPlacement(int placement) const override;
    int ItemRightInset() const override { return 0; }
    bool ShowsSubMenuOf(const MenuItem&) const override { return true; }
};

}  // namespace orvex::ui
