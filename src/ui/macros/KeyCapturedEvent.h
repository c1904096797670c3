#pragma once

#include <QEvent>

namespace orvex::ui {

// A key seen by the system-wide keyboard hook, posted to the window that installed it.
class KeyCapturedEvent : public QEvent {
  public:
    static constexpr QEvent::Type kType = static_cast<QEvent::Type>(QEvent::User + 0x4A8);
    static constexpr int kReleaseFlag = 0x80;

    KeyCapturedEvent(int virtualKey, bool release)
        : QEvent(kType), virtualKey_(virtualKey), release_(release) {}

    int virtualKey() const { return virtualKey_; }
    bool isRelease() const { return release_; }
    // 0x80 for a release, 0 for a press.
    int releaseFlag() const { return release_ ? kReleaseFlag : 0; }

  private:
    int virtualKey_;
    bool release_;
};

}  // namespace orvex::ui
