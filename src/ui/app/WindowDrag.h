#pragma once

#include <QPoint>

class QMouseEvent;
class QWidget;

namespace orvex::ui {

// Moves a frameless window by a left-button drag on its background. The window manager does the
// move where it offers one (the pointer is then its until the button goes up); elsewhere the
// window follows the pointer itself.
class WindowDrag {
  public:
    explicit WindowDrag(QWidget* window) : window_(window) {}

    // True when the event started a drag.
    bool Press(QMouseEvent* event);
    void Move(QMouseEvent* event);
    void Release(QMouseEvent* event);

    bool dragging() const { return dragging_; }

  private:
    QWidget* window_;
    bool dragging_ = false;
    QPoint grabOffset_;  // pointer minus window position, in screen pixels
};

}  // namespace orvex::ui
