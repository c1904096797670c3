#include "ui/skin/ControlNotificationTarget.h"

#include <QObject>

namespace orvex::ui {

ControlNotificationTarget* NotificationTargetOf(QObject* receiver) {
    return dynamic_cast<ControlNotificationTarget*>(receiver);
}

void SendControlNotification(QObject* receiver, int code, int value) {
    if (ControlNotificationTarget* target = NotificationTargetOf(receiver)) {
        target->ControlNotification(code, value);
    }
}

void SendControlClick(QObject* receiver, int controlId) {
    if (ControlNotificationTarget* target = NotificationTargetOf(receiver)) {
        target->ControlClicked(controlId);
    }
}

}  // namespace orvex::ui
