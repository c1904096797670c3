#pragma once

#include <cstdint>
#include <functional>
#include <memory>

namespace orvex::platform {

// One key event seen system-wide, as a Windows virtual-key code (side-specific modifiers 160..165).
struct KeyEvent {
    std::uint16_t virtualKey = 0;
    bool release = false;
};

// A system-wide key listener that never swallows keys. Events are delivered on the thread that
// calls Dispatch, which the owner calls whenever ConnectionFd() becomes readable.
class KeyboardHook {
  public:
    using Sink = std::function<void(const KeyEvent&)>;
    virtual ~KeyboardHook() = default;
    // False when the desktop offers no way to listen (no X server, no XInput2).
    virtual bool Install(Sink sink) = 0;
    virtual void Remove() = 0;
    virtual bool IsInstalled() const = 0;
    // The descriptor to watch for readiness, or -1 when not installed.
    virtual int ConnectionFd() const = 0;
    // Reads every pending event and hands the key events to the sink.
    virtual void Dispatch() = 0;
};

}  // namespace orvex::platform
