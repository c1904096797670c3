#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace orvex::ui {

// Where a colour panel of size `panel` opens under its button (`button`, screen pixels), within
// `available`, the usable area of the screen it opens on: its top-left corner at the button's
// bottom-left corner; shifted left when it would stick out on the right; above the button when
// there is no room below it; and in any case inside the area (its top-left corner wins when the
// area is smaller than the panel).
QPoint PanelTopLeft(const QRect& button, const QSize& panel, const QRect& available);

}  // namespace orvex::ui
