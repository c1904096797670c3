#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string_view>

namespace orvex::platform {

// One key event seen system-wide, as a Windows virtual-key code (side-specific modifiers 160..165).
struct KeyEvent {
    std::uint16_t virtualKey = 0;
    bool release = false;
};

class WindowKeys;

// A key listener that never swallows keys: system-wide where the desktop allows it, else the
// program's own windows. Events are delivered on the thread that calls Dispatch, which the owner
// calls whenever ConnectionFd() becomes readable; a hook without a descriptor delivers them on the
// thread that hands the keys to it.
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

// The desktop's key listener for the window system the program runs on (Qt's platform name:
// "xcb" for X11): every key of the X server where it allows that, and otherwise (Wayland, an X
// server without XInput 2) the keys the user interface hands to `windowKeys`, which must outlive
// the hook.
std::unique_ptr<KeyboardHook> MakeDesktopKeyboardHook(std::string_view windowSystem,
                                                      WindowKeys& windowKeys);

}  // namespace orvex::platform
