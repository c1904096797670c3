#include "ui/pages/TimersPausedWhileHidden.h"

#include <QEvent>
#include <algorithm>

namespace orvex::ui {

TimersPausedWhileHidden::TimersPausedWhileHidden(QWidget& page,
                                                 std::initializer_list<QTimer*> timers)
    : page_(page) {
    for (QTimer* timer : timers) {
        connect(timer, &QTimer::timeout, this, [this, timer] { PauseIfHidden(timer); });
    }
    page_.installEventFilter(this);
}

void TimersPausedWhileHidden::PauseIfHidden(QTimer* timer) {
    if (page_.isVisible()) {
        return;
    }
    timer->stop();
    if (std::find(paused_.begin(), paused_.end(), timer) == paused_.end()) {
        paused_.push_back(timer);
    }
}

void TimersPausedWhileHidden::Forget(QTimer* timer) {
    paused_.erase(std::remove(paused_.begin(), paused_.end(), timer), paused_.end());
}

bool TimersPausedWhileHidden::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &page_ && event->type() == QEvent::Show) {
        for (QTimer* timer : paused_) {
            timer->start();
        }
        paused_.clear();
    }
    return false;
}

}  // namespace orvex::ui
