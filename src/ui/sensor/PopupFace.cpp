#include "ui/sensor/PopupFace.h"

#include "ui/layout/PopupLayout.h"
#include "ui/skin/LayoutRectQt.h"

namespace orvex::ui {

namespace {

QRect ToQRectOrEmpty(const std::optional<layout::LayoutRect>& rect) {
    return rect.has_value() ? ToQRect(*rect) : QRect();
}

SkinFamily FamilyOf(PopupMode mode) {
    switch (mode) {
        case PopupMode::LeftClickWarning:
            return SkinFamily::LeftClickWarn;
        case PopupMode::DeleteMacroConfirm:
            return SkinFamily::DeleteMacro;
        case PopupMode::SurfaceIntro:
            return SkinFamily::SensorSqat1;
        case PopupMode::SurfaceCountdown:
            return SkinFamily::SensorSqat2;
        case PopupMode::SurfaceResult:
            return SkinFamily::SensorSqat3;
        case PopupMode::ResetWarning:
            return SkinFamily::ResetWarn;
        case PopupMode::AssignKey:
            return SkinFamily::AssignKey;
    }
    return SkinFamily::LeftClickWarn;
}

}  // namespace

PopupFace PopupFaceFor(PopupMode mode) {
    PopupFace face;
    face.family = FamilyOf(mode);
    face.hasDisabledImage = FamilySlot(face.family, 3) >= 0;
    const layout::popup::PopupFace* placement = layout::popup::FindFace(static_cast<int>(mode));
    if (placement == nullptr) {
        return face;
    }
    face.ok = ToQRectOrEmpty(placement->ok);
    face.cancel = ToQRectOrEmpty(placement->cancel);
    face.close = ToQRectOrEmpty(placement->close);
    face.time = ToQRectOrEmpty(placement->time);
    face.image = ToQRectOrEmpty(placement->image);
    return face;
}

}  // namespace orvex::ui
