#pragma once

#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>

#include "platform/KeyboardHook.h"

class QSocketNotifier;

namespace orvex::ui {

// The slot holding the program's one system-wide keyboard hook. Key capture and macro recording
// share it: installing replaces whatever it held (the newer window gets the keys), and removing
// removes whatever it holds. Every key event is posted to the target as a KeyCapturedEvent; keys
// are never swallowed. The program makes one and hands it to the windows that listen.
class KeyboardHookSlot {
  public:
    // Makes a hook for each install; null when the desktop offers none.
    using HookFactory = std::function<std::unique_ptr<platform::KeyboardHook>()>;

    explicit KeyboardHookSlot(HookFactory factory);
    ~KeyboardHookSlot();
    KeyboardHookSlot(const KeyboardHookSlot&) = delete;
    KeyboardHookSlot& operator=(const KeyboardHookSlot&) = delete;

    // False when no hook could be installed; the slot is then empty.
    bool InstallKeyboardHook(QObject* target);
    void RemoveKeyboardHook();
    bool IsInstalled() const;
    QObject* Target() const;

  private:
    void WatchConnection();

    HookFactory factory_;
    std::unique_ptr<platform::KeyboardHook> hook_;
    QPointer<QSocketNotifier> notifier_;
    QPointer<QObject> target_;
};

}  // namespace orvex::ui
