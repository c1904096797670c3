#include "ui/skin/CTavMenu.h"

#include <QCoreApplication>

#include "ui/skin/MenuPressWatch.h"

namespace orvex::ui {

CTavMenu::CTavMenu(QWidget* owner, int id, const QRect& rect, CTavMenu* parentMenu)
    : PopupMenu(owner, id, rect, parentMenu, FamilyPressWatch()) {}

MenuPressWatch& CTavMenu::FamilyPressWatch() {
    // Lives with the application, so it never outlasts the event loop it filters.
    static QPointer<MenuPressWatch> watch;
    if (watch == nullptr) {
        watch = new MenuPressWatch(QCoreApplication::instance());
    }
    return *watch;
}

PopupMenu* CTavMenu::CreateSubMenu(int id, const QRect& rect) {
    return new CTavMenu(owner(), id, rect, this);
}

bool CTavMenu::SupportsPlacement(int placement) const {
    return placement == kPlacementTopLeft || placement == kPlacementBottomLeft ||
           placement == kPlacementBottomRight;
}

bool CTavMenu::ShowsSubMenuOf(const MenuItem& item) const {
    const PopupMenu* subMenu = ExistingSubMenu(item.id);
    return subMenu != nullptr && subMenu->itemCount() > 0;
}

}  // namespace orvex::ui
