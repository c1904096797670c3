#include "ui/lighting/ColorPanelPlacement.h"

#include <algorithm>

namespace orvex::ui {

QPoint PanelTopLeft(const QRect& button, const QSize& panel, const QRect& available) {
    // QRect's right() and bottom() are the last pixel inside; these are the first ones outside.
    const int buttonBottom = button.y() + button.height();
    const int areaRight = available.x() + available.width();
    const int areaBottom = available.y() + available.height();

    int x = button.x();
    int y = buttonBottom;
    if (y + panel.height() > areaBottom && button.y() - panel.height() >= available.y()) {
        y = button.y() - panel.height();
    }
    x = std::max(std::min(x, areaRight - panel.width()), available.x());
    y = std::max(std::min(y, areaBottom - panel.height()), available.y());
    return QPoint(x, y);
}

}  // namespace orvex::ui
