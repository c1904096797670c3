#pragma once

#include "platform/KeyboardHook.h"

using Display = struct _XDisplay;

namespace orvex::platform {

// Listens to every key of the X server through XInput2 raw key events selected on the root
// window, on a connection of its own. Raw events are copies: the focused window still gets its
// keys. Keys without a virtual-key code are dropped.
class X11KeyboardHook : public KeyboardHook {
  public:
    X11KeyboardHook() = default;
    ~X11KeyboardHook() override;
    X11KeyboardHook(const X11KeyboardHook&) = delete;
    X11KeyboardHook& operator=(const X11KeyboardHook&) = delete;

    // Connects to the server DISPLAY names; false without a server or without XInput 2.
    bool Install(Sink sink) override;
    void Remove() override;
    bool IsInstalled() const override { return display_ != nullptr; }
    int ConnectionFd() const override;
    void Dispatch() override;

  private:
    void DeliverRawKey(int evtype, int keycode);

    Display* display_ = nullptr;
    int xinputOpcode_ = 0;
    Sink sink_;
};

}  // namespace orvex::platform
