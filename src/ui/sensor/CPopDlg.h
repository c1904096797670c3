#pragma once

#include <QTimer>
#include <chrono>
#include <optional>
#include <vector>

#include "core/buttons/KeyCapture.h"
#include "core/device/DeviceLink.h"
#include "ui/layout/PopupLayout.h"
#include "ui/services/PopupRunner.h"
#include "ui/skin/CTavImageDialog.h"

namespace orvex {
class Log;
}

namespace orvex::ui {

class KeyboardHookSlot;
class CTavButton;
class CTavComboButton;
class CTavStatic;

// The program's one modal pop-up: the warnings and confirmations, the single-key capture and the
// three steps of the surface analysis. It closes with kAccepted (OK, or the end of a step) or
// kDeclined (Cancel, Close, Escape, closing the window).
//
// The surface steps chain: OK in the intro opens the countdown, whose end opens the result, each as
// a nested modal pop-up; each step closes with the result of the step above it.
//
// In AssignKey mode the keys come from the system-wide keyboard hook, not from Qt: key events
// addressed to the pop-up are dropped, so Enter and Escape are captured like any other key and
// only the buttons close it. Whatever its mode, a pop-up removes the hook when it goes away.
class CPopDlg : public CTavImageDialog {
    Q_OBJECT

  public:
    // What a pop-up reaches outside itself: the mouse for the surface analysis (and the clock of
    // its waits), the keyboard hook for the key capture, and the log. The surface analysis's next
    // step runs through `steps` when given (a test answers it), else as a real pop-up.
    struct Services {
        DeviceLink& link;
        KeyboardHookSlot& keyboardHook;
        Log& log;
        PopupRunner* steps = nullptr;
    };

    static constexpr int kAccepted = PopupRunner::kAccepted;
    static constexpr int kDeclined = PopupRunner::kDeclined;
    static constexpr int kOkId = layout::popup::kOkId;
    static constexpr int kCancelId = layout::popup::kCancelId;
    static constexpr int kCloseId = layout::popup::kCloseId;
    static constexpr int kTimeId = layout::popup::kTimeId;
    static constexpr int kImageId = layout::popup::kImageId;
    static constexpr int kCountdownStart = 10;
    static constexpr std::chrono::milliseconds kCountdownInterval{1000};
    // After the count reaches 0, before the result step opens by itself.
    static constexpr std::chrono::milliseconds kResultDelay{500};

    CPopDlg(PopupMode mode, QWidget* owner, const Services& services);
    ~CPopDlg() override;

    // Creates the pop-up, runs it modally and returns kAccepted or kDeclined. `assignTarget` is
    // the function button an AssignKey pop-up assigns the captured key to.
    static int Run(PopupMode mode, QWidget* owner, const Services& services,
                   CTavComboButton* assignTarget = nullptr);

    PopupMode mode() const { return mode_; }
    void SetAssignTarget(CTavComboButton* target) { assignTarget_ = target; }

    // The key captured so far; none before the first key event.
    std::optional<int> capturedKey() const { return capture_.Key(); }

    // One step of the countdown, as its timer makes every second.
    void CountdownTick();
    // The number the countdown shows; it is read back from the text.
    int countdownNumber() const;
    QTimer& countdownTimer() { return countdownTimer_; }

    CTavButton* okButton() const { return ok_; }
    CTavButton* cancelButton() const { return cancel_; }
    CTavButton* closeButton() const { return close_; }
    CTavStatic* timeStatic() const { return time_; }
    CTavStatic* imageStatic() const { return image_; }

    void ControlClicked(int controlId) override;

    // Escape and the window's close command end here; AssignKey ignores them.
    void reject() override;

  protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void SetUpFace();
    void SetUpCountdown();
    void SetUpKeyCapture();
    void OnOk();
    void OnCancel();
    void StartAnalysis();
    void OpenResultStep();
    int RunNextStep(PopupMode step);
    void AssignCapturedKey();
    void ReleaseAssignTarget();
    bool AddressedToThisPopup(QObject* receiver) const;

    PopupMode mode_;
    Services services_;
    CTavButton* ok_;
    CTavButton* cancel_;
    CTavButton* close_;
    CTavStatic* time_;
    CTavStatic* image_;
    CTavComboButton* assignTarget_ = nullptr;
    KeyCapture capture_;
    QTimer countdownTimer_;
    bool resultStepOpen_ = false;
};

// The program's pop-ups: each Run shows a real CPopDlg modally.
class ModalPopupRunner final : public PopupRunner {
  public:
    explicit ModalPopupRunner(const CPopDlg::Services& services) : services_(services) {}

    int Run(PopupMode mode, QWidget* owner, CTavComboButton* assignTarget = nullptr) override {
        return CPopDlg::Run(mode, owner, services_, assignTarget);
    }

  private:
    CPopDlg::Services services_;
};

}  // namespace orvex::ui
