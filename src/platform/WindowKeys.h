#pragma once

#include <cstdint>
#include <functional>

namespace orvex::platform {

// The keys that reach the program's own windows, handed over by the user interface as the window
// system numbers them (a key event's native scan code). The in-window keyboard hook listens here
// where no system-wide hook can be had; while nobody listens, a key handed over goes nowhere.
// Used on the user-interface thread only.
class WindowKeys {
  public:
    using Listener = std::function<void(std::uint32_t nativeScanCode, bool release)>;

    // A key pressed (or repeated) or released in one of the program's windows.
    void Deliver(std::uint32_t nativeScanCode, bool release) const;
    bool HasListener() const { return static_cast<bool>(listener_); }

    // One listener at a time, named by its owner: a later one takes the keys over, and only the
    // owner that listens now can stop it.
    void Listen(const void* owner, Listener listener);
    void StopListening(const void* owner);

  private:
    const void* owner_ = nullptr;
    Listener listener_;
};

}  // namespace orvex::platform
