#pragma once

#include <QRect>

#include "ui/sensor/PopupMode.h"
#include "ui/skin/SkinFiles.h"

namespace orvex::ui {

// How one pop-up mode looks: the skin family its face and buttons are cut from, and where its
// controls sit on the face. An empty rectangle is a control the mode hides.
struct PopupFace {
    SkinFamily family = SkinFamily::LeftClickWarn;
    bool hasDisabledImage = false;
    QRect ok;
    QRect cancel;
    QRect close;
    QRect time;
    QRect image;
};

PopupFace PopupFaceFor(PopupMode mode);

}  // namespace orvex::ui
