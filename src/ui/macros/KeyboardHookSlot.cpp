#include "ui/macros/KeyboardHookSlot.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPointer>
#include <QSocketNotifier>

#include "platform/linux/X11KeyboardHook.h"
#include "ui/macros/KeyCapturedEvent.h"

namespace orvex::ui {
namespace {

struct Slot {
    std::unique_ptr<platform::KeyboardHook> hook;
    // Parented to the application, so a slot still holding a hook when the application goes
    // does not leave a notifier behind for the static destructors.
    QPointer<QSocketNotifier> notifier;
    QPointer<QObject> target;
    KeyboardHookSlot::HookFactory factory;
};

Slot& TheSlot() {
    static Slot slot;
    return slot;
}

// Only an X server offers a system-wide key listener to an ordinary program; elsewhere
// (Wayland, the window-less platform) installing fails and the caller reports it.
std::unique_ptr<platform::KeyboardHook> MakeDesktopHook() {
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        return std::make_unique<platform::X11KeyboardHook>();
    }
    return nullptr;
}

platform::KeyboardHook::Sink PostingTo(QObject* target) {
    return [guarded = QPointer<QObject>(target)](const platform::KeyEvent& event) {
        if (guarded) {
            QCoreApplication::postEvent(guarded.data(),
                                        new KeyCapturedEvent(event.virtualKey, event.release));
        }
    };
}

void WatchConnection(Slot& slot) {
    const int fd = slot.hook->ConnectionFd();
    if (fd < 0) {
        return;
    }
    slot.notifier = new QSocketNotifier(fd, QSocketNotifier::Read, QCoreApplication::instance());
    platform::KeyboardHook* hook = slot.hook.get();
    QObject::connect(slot.notifier, &QSocketNotifier::activated, slot.notifier,
                     [hook] { hook->Dispatch(); });
}

}  // namespace

bool KeyboardHookSlot::InstallKeyboardHook(QObject* target) {
    // The slot holds one hook: a newer install takes over the keys, and the hook it replaces is
    // removed rather than left running with nobody able to remove it.
    RemoveKeyboardHook();
    Slot& slot = TheSlot();
    std::unique_ptr<platform::KeyboardHook> hook =
        slot.factory ? slot.factory() : MakeDesktopHook();
    if (!hook || !hook->Install(PostingTo(target))) {
        return false;
    }
    slot.hook = std::move(hook);
    slot.target = target;
    WatchConnection(slot);
    return true;
}

void KeyboardHookSlot::RemoveKeyboardHook() {
    Slot& slot = TheSlot();
    delete slot.notifier.data();
    if (slot.hook) {
        slot.hook->Remove();
        slot.hook.reset();
    }
    slot.target = nullptr;
}

bool KeyboardHookSlot::IsInstalled() {
    const Slot& slot = TheSlot();
    return slot.hook && slot.hook->IsInstalled();
}

QObject* KeyboardHookSlot::Target() {
    return TheSlot().target.data();
}

void KeyboardHookSlot::SetHookFactory(HookFactory factory) {
    TheSlot().factory = std::move(factory);
}

}  // namespace orvex::ui
