#include "platform/FallbackKeyboardHook.h"

namespace orvex::platform {

FallbackKeyboardHook::FallbackKeyboardHook(std::unique_ptr<KeyboardHook> preferred,
                                           std::unique_ptr<KeyboardHook> fallback)
    : preferred_(std::move(preferred)), fallback_(std::move(fallback)) {}

FallbackKeyboardHook::~FallbackKeyboardHook() {
    Remove();
}

bool FallbackKeyboardHook::Install(Sink sink) {
    Remove();
    for (KeyboardHook* hook : {preferred_.get(), fallback_.get()}) {
        if (hook != nullptr && hook->Install(sink)) {
            installed_ = hook;
            return true;
        }
    }
    return false;
}

void FallbackKeyboardHook::Remove() {
    if (installed_ != nullptr) {
        installed_->Remove();
        installed_ = nullptr;
    }
}

bool FallbackKeyboardHook::IsInstalled() const {
    return installed_ != nullptr && installed_->IsInstalled();
}

int FallbackKeyboardHook::ConnectionFd() const {
    return installed_ != nullptr ? installed_->ConnectionFd() : -1;
}

void FallbackKeyboardHook::Dispatch() {
    if (installed_ != nullptr) {
        installed_->Dispatch();
    }
}

}  // namespace orvex::platform
