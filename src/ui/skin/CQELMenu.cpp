#include "ui/skin/CQELMenu.h"

#include <QCoreApplication>

#include "ui/skin/MenuPressWatch.h"

namespace orvex::ui {

CQELMenu::CQELMenu(QWidget* owner, int id, const QRect& rect, CQELMenu* parentMenu)
    : PopupMenu(owner, id, rect, parentMenu, FamilyPressWatch()) {}

MenuPressWatch& CQELMenu::FamilyPressWatch() {
    static QPointer<MenuPressWatch> watch;
    if (watch == nullptr) {
        watch = new MenuPressWatch(QCoreApplication::instance());
    }
    return *watch;
}

PopupMenu* CQELMenu::CreateSubMenu(int id, const QRect& rect) {
    return new CQELMenu(owner(), id, rect, this);
}

bool CQELMenu::SupportsPlacement(int placement) const {
    return placement == kPlacementTopLeft || placement == kPlacementBottomLeft;
}

}  // namespace orvex::ui
