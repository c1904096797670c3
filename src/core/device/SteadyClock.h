#pragma once

#include "core/device/Clock.h"

namespace orvex {

// The real clock: sleeps the calling thread.
class SteadyClock final : public Clock {
  public:
    void Sleep(Milliseconds duration) override;
    Milliseconds Now() const override;
};

}  // namespace orvex
