#include <gtest/gtest.h>

#include <QApplication>
#include <algorithm>

#include "ui/sensor/ModalSteps.h"

namespace orvex::ui::testing {

namespace {
// Polls of the event loop a handled dialog may stay open for before it counts as stuck.
constexpr int kStuckAfterPolls = 2000;
}  // namespace

ModalSteps::ModalSteps(std::vector<Step> steps) : steps_(steps.begin(), steps.end()) {
    poll_.setInterval(0);
    QObject::connect(&poll_, &QTimer::timeout, [this] { Poll(); });
    poll_.start();
}

ModalSteps::~ModalSteps() {
    poll_.stop();
}

void ModalSteps::Poll() {
    auto* top = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (top == nullptr) {
        idlePolls_ = 0;
        return;
    }
    const bool handled = std::find(seen_.begin(), seen_.end(), top) != seen_.end();
    if (!handled && !steps_.empty()) {
        seen_.emplace_back(top);
        idlePolls_ = 0;
        Step step = std::move(steps_.front());
        steps_.pop_front();
        // Run from a queued call, not from this timer: a step that opens a nested modal loop
        // would otherwise keep this timer from firing inside it.
        QPointer<QDialog> dialog(top);
        QMetaObject::invokeMethod(
            top,
            [dialog, step = std::move(step)] {
                if (dialog != nullptr) {
                    step(*dialog);
                }
            },
            Qt::QueuedConnection);
        return;
    }
    if (++idlePolls_ > kStuckAfterPolls) {
        ADD_FAILURE() << "a modal dialog stayed open with no step for it: "
                      << top->metaObject()->className();
        idlePolls_ = 0;
        top->done(-1);
    }
}

}  // namespace orvex::ui::testing
