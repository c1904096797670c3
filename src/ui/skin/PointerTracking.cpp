#include "ui/skin/PointerTracking.h"

namespace orvex::ui {

PointerTracking::Change PointerTracking::PointerMoved(bool inside, bool leftButtonDown) {
    if (!tracking_) {
        if (!inside) {
            return Change::None;
        }
        tracking_ = true;
        buttonHeld_ = leftButtonDown;
        const bool resumesDrag = variant_ == Variant::KeepsStateWhileDragging && leftButtonDown;
        state_ = resumesDrag ? savedState_ : SkinState::Hover;
        return Change::Entered;
    }
    if (inside) {
        return Change::None;
    }
    return PointerLeft();
}

PointerTracking::Change PointerTracking::PointerLeft() {
    if (!tracking_) {
        return Change::None;
    }
    tracking_ = false;
    buttonHeld_ = false;
    if (variant_ == Variant::KeepsStateWhileDragging) {
        savedState_ = state_;
    }
    state_ = SkinState::Normal;
    return Change::Left;
}

void PointerTracking::ButtonPressed() {
    buttonHeld_ = true;
    state_ = SkinState::Pressed;
}

void PointerTracking::ButtonReleased() {
    buttonHeld_ = false;
    state_ = SkinState::Normal;
}

}  // namespace orvex::ui
