#include "platform/WindowKeys.h"

namespace orvex::platform {

void WindowKeys::Deliver(std::uint32_t nativeScanCode, bool release) const {
    if (listener_) {
        listener_(nativeScanCode, release);
    }
}

void WindowKeys::Listen(const void* owner, Listener listener) {
    owner_ = owner;
    listener_ = std::move(listener);
}

void WindowKeys::StopListening(const void* owner) {
    if (owner_ == owner) {
        owner_ = nullptr;
        listener_ = nullptr;
    }
}

}  // namespace orvex::platform
