#include "core/device/SteadyClock.h"

#include <thread>

namespace orvex {

void SteadyClock::Sleep(Milliseconds duration) {
    std::this_thread::sleep_for(duration);
}

Milliseconds SteadyClock::Now() const {
    return std::chrono::duration_cast<Milliseconds>(
        std::chrono::steady_clock::now().time_since_epoch());
}

}  // namespace orvex
