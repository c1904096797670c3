#pragma once

#include <QPoint>
#include <QRect>
#include <optional>

namespace orvex::ui {

// Where a pop-up (a menu, the colour panel) goes so that it lies on the screen: `wanted` is where
// its opener put it, `available` the screen's area that panels and docks leave free.
//
// Along each axis on which `wanted` crosses an edge of `available`, the pop-up is first flipped
// to the other side of `anchor`, the rectangle (or zero-sized point) it was opened against: a
// button whose list drops down, the parent menu and entry of a sub-menu, the pointer. Flipping
// mirrors it about the anchor's middle, so a list below its button goes above it and a sub-menu
// that overlapped its parent's right edge by 5 pixels overlaps its left edge by 5. A flip is kept
// only when the flipped pop-up fits; otherwise, or without an anchor, the pop-up is shifted just
// inside the crossed edge. A pop-up larger than the area keeps its top or left edge on the area's.
QRect PlaceOnScreen(const QRect& wanted, const QRect& available,
                    const std::optional<QRect>& anchor = std::nullopt);

// The free area of the screen that holds `globalPoint` (or else the primary screen's), in which
// PlaceOnScreen keeps pop-ups; nothing where the window system places pop-ups itself (Wayland:
// the program knows neither the screen nor where its windows are on it, and the compositor keeps
// pop-ups on screen).
std::optional<QRect> AvailableScreenAreaAt(const QPoint& globalPoint);

}  // namespace orvex::ui
