#pragma once

#include <vector>

#include "core/device/Clock.h"

namespace orvex {

// A clock that never blocks: Sleep advances virtual time and remembers the wait, so a test can
// check exactly which waits a device exchange made.
class VirtualClock final : public Clock {
  public:
    void Sleep(Milliseconds duration) override;
    Milliseconds Now() const override { return now_; }

    void Advance(Milliseconds duration) { now_ += duration; }
    const std::vector<Milliseconds>& Sleeps() const { return sleeps_; }
    Milliseconds TotalSlept() const;
    void ClearSleeps() { sleeps_.clear(); }

  private:
    Milliseconds now_{0};
    std::vector<Milliseconds> sleeps_;
};

}  // namespace orvex
