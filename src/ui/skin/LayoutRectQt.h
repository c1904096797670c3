#pragma once

#include <QRect>

#include "ui/layout/LayoutRect.h"

namespace orvex::ui {

// The layout table stays free of Qt; this is where its rectangles become Qt's.
inline QRect ToQRect(const layout::LayoutRect& rect) {
    return QRect(rect.left, rect.top, rect.width, rect.height);
}

}  // namespace orvex::ui
