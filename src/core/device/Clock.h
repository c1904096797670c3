#pragma once

#include <chrono>

namespace orvex {

using Milliseconds = std::chrono::milliseconds;

// Every wait of the device protocol goes through a Clock, so tests can run in virtual time and
// assert each wait instead of sleeping.
class Clock {
  public:
    virtual ~Clock() = default;

    // Blocks the calling thread for the given time (the virtual clock only advances).
    virtual void Sleep(Milliseconds duration) = 0;

    // Time since an arbitrary fixed point, for tick counts.
    virtual Milliseconds Now() const = 0;
};

}  // namespace orvex
