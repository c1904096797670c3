#pragma once

#include "platform/KeyboardHook.h"
#include "platform/WindowKeys.h"

namespace orvex::platform {

// The keyboard hook of a desktop that lets no program listen to every key (a Wayland
// compositor, or an X server without XInput 2): it hears the keys the program's own windows
// receive, as the user interface hands them to `keys`, numbered as X servers and Wayland
// compositors number them. Keys typed into other programs are not heard. Keys reach the sink as
// they are handed over, so there is no descriptor to watch.
class WindowKeyboardHook : public KeyboardHook {
  public:
    explicit WindowKeyboardHook(WindowKeys& keys) : keys_(keys) {}
    ~WindowKeyboardHook() override;
    WindowKeyboardHook(const WindowKeyboardHook&) = delete;
    WindowKeyboardHook& operator=(const WindowKeyboardHook&) = delete;

    bool Install(Sink sink) override;
    void Remove() override;
    bool IsInstalled() const override { return static_cast<bool>(sink_); }
    int ConnectionFd() const override { return -1; }
    void Dispatch() override {}

  private:
    void OnKey(std::uint32_t nativeScanCode, bool release) const;

    WindowKeys& keys_;
    Sink sink_;
};

}  // namespace orvex::platform
