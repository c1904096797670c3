#pragma once

#include "platform/PointerSettings.h"

namespace orvex::platform {

// Pointer acceleration of the X server (XChangePointerControl): beyond a threshold of device
// units per motion event, motion is multiplied by numerator / denominator. It governs devices
// driven by the server's own acceleration (evdev and the like); libinput devices and Wayland
// ignore it, which the GNOME settings cover.
class X11PointerSettings : public PointerSettings {
  public:
    struct Acceleration {
        int numerator;
        int denominator;
        int threshold;
    };

    // Off is 1/1 (no multiplication). Levels 1..3 grow from gentle to strong: each multiplies
    // more and starts sooner; level 2 is the X server's own default of 2/1 beyond 4.
    static Acceleration AccelerationFor(bool enabled, int level);

    // Applies the acceleration only; nothing when no X server can be reached.
    PointerSettingsOutcome Apply(const PointerSettingsRequest& request) override;
};

}  // namespace orvex::platform
