#include "ui/macros/KeyboardHookSlot.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include "ui/macros/KeyCapturedEvent.h"

namespace orvex::ui {
namespace {

platform::KeyboardHook::Sink PostingTo(QObject* target) {
    return [guarded = QPointer<QObject>(target)](const platform::KeyEvent& event) {
        if (guarded) {
            QCoreApplication::postEvent(guarded.data(),
                                        new KeyCapturedEvent(event.virtualKey, event.release));
        }
    };
}

}  // namespace

KeyboardHookSlot::KeyboardHookSlot(HookFactory factory) : factory_(std::move(factory)) {}

KeyboardHookSlot::~KeyboardHookSlot() {
    RemoveKeyboardHook();
}

bool KeyboardHookSlot::InstallKeyboardHook(QObject* target) {
    // The slot holds one hook: a newer install takes over the keys, and the hook it replaces is
    // removed rather than left running with nobody able to remove it.
    RemoveKeyboardHook();
    std::unique_ptr<platform::KeyboardHook> hook = factory_ ? factory_() : nullptr;
    if (!hook || !hook->Install(PostingTo(target))) {
        return false;
    }
    hook_ = std::move(hook);
    target_ = target;
    WatchConnection();
    return true;
}

void KeyboardHookSlot::RemoveKeyboardHook() {
    delete notifier_.data();
    if (hook_) {
        hook_->Remove();
        hook_.reset();
    }
    target_ = nullptr;
}

bool KeyboardHookSlot::IsInstalled() const {
    return hook_ && hook_->IsInstalled();
}

QObject* KeyboardHookSlot::Target() const {
    return target_.data();
}

void KeyboardHookSlot::WatchConnection() {
    const int fd = hook_->ConnectionFd();
    if (fd < 0) {
        return;
    }
    // Parented to the application, so a hook still installed when the application goes does not
    // leave a notifier behind.
    notifier_ = new QSocketNotifier(fd, QSocketNotifier::Read, QCoreApplication::instance());
    platform::KeyboardHook* hook = hook_.get();
    QObject::connect(notifier_, &QSocketNotifier::activated, notifier_,
                     [hook] { hook->Dispatch(); });
}

}  // namespace orvex::ui
