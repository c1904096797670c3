#pragma once

#include <QObject>

namespace orvex::platform {
class WindowKeys;
}

namespace orvex::ui {

// Hands every key pressed or released in one of the program's windows to `keys`, for the
// in-window keyboard hook of desktops that allow no system-wide one. While it lives, an
// application-wide event filter looks at each key event as it reaches a window, before the
// window's widgets handle it, and never swallows it. A key held down repeats its press, as a
// system-wide hook reports it; the releases the window system adds between repeats are left out.
class WindowKeyFeed : public QObject {
    Q_OBJECT

  public:
    explicit WindowKeyFeed(platform::WindowKeys& keys, QObject* parent = nullptr);
    ~WindowKeyFeed() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    platform::WindowKeys& keys_;
};

}  // namespace orvex::ui
