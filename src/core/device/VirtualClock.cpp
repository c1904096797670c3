#include "core/device/VirtualClock.h"

#include <numeric>

namespace orvex {

void VirtualClock::Sleep(Milliseconds duration) {
    sleeps_.push_back(duration);
    now_ += duration;
}

Milliseconds VirtualClock::TotalSlept() const {
    return std::accumulate(sleeps_.begin(), sleeps_.end(), Milliseconds{0});
}

}  // namespace orvex
