#include "ui/sensor/PopupFace.h"

#include "ui/layout/PopupLayout.h"
#include "ui/skin/LayoutRectQt.h"

namespace orvex::ui {

namespace {

QRect ToQRectOrEmpty(const std::optional<layout::LayoutRect>& rect) {
    return rect.has_value() ? ToQRect(*rect) : QRect();
}

}  // namespace

PopupFace PopupFaceFor(PopupMode mode) {
    const layout::popup::PopupFace& placement = layout::popup::FaceOf(mode);
    PopupFace face;
    face.family = placement.family;
    face.ok = ToQRect(placement.ok);
    face.cancel = ToQRectOrEmpty(placement.cancel);
    face.close = ToQRect(placement.close);
    face.time = ToQRectOrEmpty(placement.time);
    face.image = ToQRectOrEmpty(placement.image);
    return face;
}

}  // namespace orvex::ui
