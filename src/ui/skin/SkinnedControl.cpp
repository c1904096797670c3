#include "ui/skin/SkinnedControl.h"

#include <QWidget>

#include "ui/skin/ControlNotificationTarget.h"

namespace orvex::ui {

void SkinnedControl::NotifyParent(int value) const {
    SendControlNotification(widget_->parentWidget(), controlId_, value);
}

void SkinnedControl::NotifyParentWithCode(int code, int value) const {
    SendControlNotification(widget_->parentWidget(), code, value);
}

void SkinnedControl::NotifyParentClicked() const {
    SendControlClick(widget_->parentWidget(), controlId_);
}

}  // namespace orvex::ui
