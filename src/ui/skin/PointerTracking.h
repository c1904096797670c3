#pragma once

#include "ui/layout/SkinState.h"

namespace orvex::ui {

// The pointer rules shared by buttons, check boxes, combo buttons, sliders and the scroll bar.
// A control feeds it its mouse events and repaints (and, for a button, sends its hover
// notification) when a call reports a change:
//   enterEvent             -> PointerMoved(true, leftButtonDown)
//   mouseMoveEvent         -> PointerMoved(rect().contains(pos), leftButtonDown)
//   leaveEvent             -> PointerLeft()
//   left press / release   -> ButtonPressed() / ButtonReleased()
// Qt holds back the leave event while a button is down, so a move outside the control counts as
// leaving: a check box pressed inside and released outside has lost its held flag by then.
// The state it keeps is the skin state the control is drawn in.
class PointerTracking {
  public:
    enum class Variant {
        Standard,
        // Sliders remember their state on leaving and take it back on entering with the left
        // button still down, so that a drag continues.
        KeepsStateWhileDragging,
    };
    enum class Change { None, Entered, Left };

    explicit PointerTracking(Variant variant = Variant::Standard) : variant_(variant) {}

    Change PointerMoved(bool inside, bool leftButtonDown);
    Change PointerLeft();
    void ButtonPressed();
    void ButtonReleased();

    SkinState state() const { return state_; }
    void SetState(SkinState state) { state_ = state; }
    SkinState savedState() const { return savedState_; }
    void SetSavedState(SkinState state) { savedState_ = state; }
    bool buttonHeld() const { return buttonHeld_; }
    void SetButtonHeld(bool held) { buttonHeld_ = held; }
    bool tracking() const { return tracking_; }

  private:
    Variant variant_;
    SkinState state_ = SkinState::Normal;
    SkinState savedState_ = SkinState::Normal;
    bool buttonHeld_ = false;
    bool tracking_ = false;
};

}  // namespace orvex::ui
