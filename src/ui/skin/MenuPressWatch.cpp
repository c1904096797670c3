#include "ui/skin/MenuPressWatch.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMouseEvent>
#include <QWindow>

#include "ui/skin/PopupMenu.h"

namespace orvex::ui {

void MenuPressWatch::Install(PopupMenu* target) {
    if (!installed_ && QCoreApplication::instance() != nullptr) {
        QCoreApplication::instance()->installEventFilter(this);
        installed_ = true;
    }
    target_ = target;
}

void MenuPressWatch::Remove() {
    if (installed_ && QCoreApplication::instance() != nullptr) {
        QCoreApplication::instance()->removeEventFilter(this);
    }
    installed_ = false;
    target_ = nullptr;
}

bool MenuPressWatch::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseButtonPress: {
            // A press reaches the window under the pointer first and its widgets after; the
            // window alone tells where it happened.
            if (!watched->isWindowType() ||
                static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton) {
                break;
            }
            PopupMenu* target = target_;
            if (target != nullptr && target->isVisible() &&
                !target->ChainHoldsWindow(static_cast<QWindow*>(watched))) {
                target->Close();
            }
            break;
        }
        case QEvent::ApplicationDeactivate:
            CloseTargetChain();
            break;
        case QEvent::ApplicationStateChange:
            if (static_cast<QApplicationStateChangeEvent*>(event)->applicationState() !=
                Qt::ApplicationActive) {
                CloseTargetChain();
            }
            break;
        default:
            break;
    }
    // Like any hook, the watch only looks: the press still goes where it was going.
    return false;
}

void MenuPressWatch::CloseTargetChain() {
    if (PopupMenu* target = target_; target != nullptr && target->isVisible()) {
        target->Close();
    }
}

}  // namespace orvex::ui
