#pragma once

class QWidget;

namespace orvex::ui {

class CTavComboButton;
enum class PopupMode : int;

// Runs the program's modal pop-up: the warnings, the confirmations, the key capture and the
// surface analysis. Windows ask for a pop-up through this instead of making one, so the program
// shows the real thing and a test can answer without a modal loop.
class PopupRunner {
  public:
    static constexpr int kAccepted = 1;
    static constexpr int kDeclined = 2;

    virtual ~PopupRunner() = default;

    // Shows the pop-up over `owner` and returns kAccepted or kDeclined once it closes.
    // `assignTarget` is the function button an AssignKey pop-up gives the captured key to.
    virtual int Run(PopupMode mode, QWidget* owner, CTavComboButton* assignTarget = nullptr) = 0;
};

}  // namespace orvex::ui
