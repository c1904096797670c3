#pragma once

#include <QObject>
#include <functional>
#include <memory>

#include "platform/KeyboardHook.h"

namespace orvex::ui {

// The process-wide slot holding the one system-wide keyboard hook. Key capture and macro
// recording share it: installing replaces whatever it held (the newer window gets the keys), and
// removing removes whatever it holds. Every key event is posted to the target as a
// KeyCapturedEvent; keys are never swallowed.
class KeyboardHookSlot {
  public:
    using HookFactory = std::function<std::unique_ptr<platform::KeyboardHook>()>;

    // False when no hook could be installed; the slot is then empty.
    static bool InstallKeyboardHook(QObject* target);
    static void RemoveKeyboardHook();
    static bool IsInstalled();
    static QObject* Target();

    // The program sets the desktop's hook factory at start-up; tests set their own.
    static void SetHookFactory(HookFactory factory);
};

}  // namespace orvex::ui
