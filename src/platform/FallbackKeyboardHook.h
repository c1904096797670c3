#pragma once

#include <memory>

#include "platform/KeyboardHook.h"

namespace orvex::platform {

// The first of two hooks that installs: the preferred one, or else the fallback.
class FallbackKeyboardHook : public KeyboardHook {
  public:
    FallbackKeyboardHook(std::unique_ptr<KeyboardHook> preferred,
                         std::unique_ptr<KeyboardHook> fallback);
    ~FallbackKeyboardHook() override;

    bool Install(Sink sink) override;
    void Remove() override;
    bool IsInstalled() const override;
    int ConnectionFd() const override;
    void Dispatch() override;

    // The hook that installed, or null.
    const KeyboardHook* installed() const { return installed_; }

  private:
    std::unique_ptr<KeyboardHook> preferred_;
    std::unique_ptr<KeyboardHook> fallback_;
    KeyboardHook* installed_ = nullptr;
};

}  // namespace orvex::platform
