#pragma once

class QObject;

namespace orvex::ui {

// What a window implements to hear from the skinned controls inside it (and a combo button to
// hear from its menu). Calls are synchronous: the receiver sees the sender's new state, and can
// change the sender's flags before the sender goes on. A receiver must not delete the sender
// from inside a call (use deleteLater).
class ControlNotificationTarget {
  public:
    virtual ~ControlNotificationTarget() = default;

    // An event of a control: `code` is the sender's identifier or a reserved code
    // (NotificationCodes.h), `value` what the sender reports.
    virtual void ControlNotification(int code, int value) = 0;

    // A completed click of a push button or check box, told apart from the notifications.
    virtual void ControlClicked(int controlId) { static_cast<void>(controlId); }
};

// The target behind a receiver, or nullptr when it does not listen to controls.
ControlNotificationTarget* NotificationTargetOf(QObject* receiver);

// Deliver to a receiver; one that is not a ControlNotificationTarget is left undisturbed.
void SendControlNotification(QObject* receiver, int code, int value);
void SendControlClick(QObject* receiver, int controlId);

}  // namespace orvex::ui
