#include "platform/linux/WindowKeyboardHook.h"

#include "platform/linux/EvdevVirtualKeys.h"

namespace orvex::platform {

WindowKeyboardHook::~WindowKeyboardHook() {
    Remove();
}

bool WindowKeyboardHook::Install(Sink sink) {
    sink_ = std::move(sink);
    keys_.Listen(this, [this](std::uint32_t nativeScanCode, bool release) {
        OnKey(nativeScanCode, release);
    });
    return true;
}

void WindowKeyboardHook::Remove() {
    keys_.StopListening(this);
    sink_ = nullptr;
}

void WindowKeyboardHook::OnKey(std::uint32_t nativeScanCode, bool release) const {
    if (!sink_) {
        return;
    }
    if (const auto virtualKey = VirtualKeyFromXkbKeycode(nativeScanCode)) {
        sink_(KeyEvent{*virtualKey, release});
    }
}

}  // namespace orvex::platform
