#include "ui/app/WindowDrag.h"

#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace orvex::ui {

bool WindowDrag::Press(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return false;
    }
    QWindow* handle = window_->windowHandle();
    if (handle != nullptr && handle->startSystemMove()) {
        return true;
    }
    dragging_ = true;
    grabOffset_ = event->globalPosition().toPoint() - window_->pos();
    return true;
}

void WindowDrag::Move(QMouseEvent* event) {
    if (dragging_ && (event->buttons() & Qt::LeftButton) != 0) {
        window_->move(event->globalPosition().toPoint() - grabOffset_);
    }
}

void WindowDrag::Release(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        dragging_ = false;
    }
}

}  // namespace orvex::ui
