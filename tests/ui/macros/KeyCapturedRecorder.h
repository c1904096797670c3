#pragma once

#include <QEvent>
#include <QObject>
#include <utility>
#include <vector>

#include "ui/macros/KeyCapturedEvent.h"

namespace orvex::ui::testing {

// A hook target that keeps every KeyCapturedEvent it is sent as (virtual-key code, release flag).
class KeyCapturedRecorder : public QObject {
  public:
    std::vector<std::pair<int, int>> keys;

  protected:
    bool event(QEvent* event) override {
        if (event->type() == KeyCapturedEvent::kType) {
            const auto* key = static_cast<KeyCapturedEvent*>(event);
            keys.emplace_back(key->virtualKey(), key->releaseFlag());
            return true;
        }
        return QObject::event(event);
    }
};

}  // namespace orvex::ui::testing
