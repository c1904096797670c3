#pragma once

#include <QRect>

#include "core/macros/IntRect.h"

namespace orvex::ui {

// The macro rows keep their rectangles as the macro files store them; this is where they become
// Qt's.
inline QRect ToQRect(const IntRect& rect) {
    return QRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
}

}  // namespace orvex::ui
