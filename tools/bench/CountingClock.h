#pragma once

#include "core/device/Clock.h"
#include "core/device/SteadyClock.h"

namespace orvex::bench {

// The real clock, remembering how long the protocol asked to wait, so a run's wall time can be
// set against the waits it could not avoid.
class CountingClock final : public Clock {
  public:
    void Sleep(Milliseconds duration) override {
        waited_ += duration;
        real_.Sleep(duration);
    }
    Milliseconds Now() const override { return real_.Now(); }
    Milliseconds waited() const { return waited_; }

  private:
    SteadyClock real_;
    Milliseconds waited_{0};
};

}  // namespace orvex::bench
