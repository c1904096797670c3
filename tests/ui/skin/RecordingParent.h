#pragma once

#include <QWidget>
#include <functional>
#include <ostream>
#include <vector>

#include "ui/skin/ControlNotificationTarget.h"

namespace orvex::ui::testing {

struct Notification {
    int code;
    int value;
    bool operator==(const Notification&) const = default;
};

inline void PrintTo(const Notification& n, std::ostream* os) {
    *os << "(" << n.code << ", " << n.value << ")";
}

// A parent window that records what its skinned children tell it. `onNotification`, when set,
// runs inside the synchronous call, as a real parent's handler would.
class RecordingParent : public QWidget, public ControlNotificationTarget {
  public:
    explicit RecordingParent(QWidget* parent = nullptr) : QWidget(parent) {}

    void ControlNotification(int code, int value) override {
        notifications.push_back({code, value});
        if (onNotification) {
            onNotification(code, value);
        }
    }
    void ControlClicked(int controlId) override { clicks.push_back(controlId); }

    std::vector<Notification> notifications;
    std::vector<int> clicks;
    std::function<void(int code, int value)> onNotification;
};

}  // namespace orvex::ui::testing
