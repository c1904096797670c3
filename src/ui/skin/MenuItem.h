#pragma once

#include <QRect>
#include <QString>

namespace orvex::ui {

// One entry of a pop-up menu. `rect` is set by the menu's layout, in the menu window's pixels.
struct MenuItem {
    int id = 0;
    QRect rect;
    QString text;
    bool enabled = true;
    // Set once an entry is added under this one; it then opens a sub-menu and is never chosen.
    bool hasSubMenu = false;
};

}  // namespace orvex::ui
