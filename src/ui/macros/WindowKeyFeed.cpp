#include "ui/macros/WindowKeyFeed.h"

#include <QCoreApplication>
#include <QKeyEvent>

#include "platform/WindowKeys.h"

namespace orvex::ui {

WindowKeyFeed::WindowKeyFeed(platform::WindowKeys& keys, QObject* parent)
    : QObject(parent), keys_(keys) {
    QCoreApplication::instance()->installEventFilter(this);
}

WindowKeyFeed::~WindowKeyFeed() {
    if (QCoreApplication* app = QCoreApplication::instance()) {
        app->removeEventFilter(this);
    }
}

bool WindowKeyFeed::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    // A key event goes to the window first and then to its focused widget and that widget's
    // parents; the window alone sees each key once.
    if ((type != QEvent::KeyPress && type != QEvent::KeyRelease) || !watched->isWindowType() ||
        !keys_.HasListener()) {
        return false;
    }
    const auto* key = static_cast<const QKeyEvent*>(event);
    const bool release = type == QEvent::KeyRelease;
    if (!(release && key->isAutoRepeat())) {
        keys_.Deliver(key->nativeScanCode(), release);
    }
    return false;
}

}  // namespace orvex::ui
