#pragma once

#include <QRect>

#include "ui/layout/PopupMode.h"
#include "ui/layout/SkinFamily.h"

namespace orvex::ui {

// How one pop-up mode looks, in Qt's terms: the skin family its face and buttons are cut from,
// and where its controls sit on the face. An empty rectangle is a control the mode hides.
struct PopupFace {
    SkinFamily family = SkinFamily::LeftClickWarn;
    QRect ok;
    QRect cancel;
    QRect close;
    QRect time;
    QRect image;
};

PopupFace PopupFaceFor(PopupMode mode);

}  // namespace orvex::ui
