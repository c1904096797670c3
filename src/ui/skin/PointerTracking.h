#pragma once

namespace orvex::ui {

// Control states, one integer per control. Images in the skin set are asked for by the same
// numbers (3 is then the "Disable" bitmap).
inline constexpr int kStateNormal = 0;
inline constexpr int kStateHover = 1;
inline constexpr int kStatePressed = 2;  // left button down on the control, or dragging a thumb
inline constexpr int kStateInert = 3;    // sliders only: frozen by their owner

// The pointer rules shared by buttons, check boxes, combo buttons, sliders and the scroll bar.
// A control feeds it its mouse events and repaints (and, for a button, sends its hover
// notification) when a call reports a change:
//   enterEvent             -> PointerMoved(true, leftButtonDown)
//   mouseMoveEvent         -> PointerMoved(rect().contains(pos), leftButtonDown)
//   leaveEvent             -> PointerLeft()
//   left press / release   -> ButtonPressed() / ButtonReleased()
// Qt holds back the leave event while a button is down, so a move outside the control counts as
// leaving: a check box pressed inside and released outside has lost its held flag by then.
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

    int state() const { return state_; }
    void SetState(int state) { state_ = state; }
    int savedState() const { return savedState_; }
    void SetSavedState(int state) { savedState_ = state; }
    bool buttonHeld() const { return buttonHeld_; }
    void SetButtonHeld(bool held) { buttonHeld_ = held; }
    bool tracking() const { return tracking_; }

  private:
    Variant variant_;
    int state_ = kStateNormal;
    int savedState_ = kStateNormal;
    bool buttonHeld_ = false;
    bool tracking_ = false;
};

}  // namespace orvex::ui
