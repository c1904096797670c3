#pragma once

#include "core/device/DeviceLink.h"

namespace orvex::ui {

// The program's one link to the mouse. The program installs it at start-up (the hidraw backend, or
// the virtual mouse with --simulate); tests install one over a scripted or virtual transport. The
// windows reach the mouse only through here, so none of them knows which transport is behind it.
class DeviceServices {
  public:
    // `link` must outlive every window; nullptr uninstalls.
    static void Install(DeviceLink* link);
    static bool IsInstalled();
    // The installed link. Calling it before Install is a programming error and aborts.
    static DeviceLink& Link();
};

}  // namespace orvex::ui
