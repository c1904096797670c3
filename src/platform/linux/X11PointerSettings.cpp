#include "platform/linux/X11PointerSettings.h"

#include <X11/Xlib.h>

#include <algorithm>
#include <array>

namespace orvex::platform {
namespace {

constexpr X11PointerSettings::Acceleration kOff{1, 1, 0};
constexpr std::array<X11PointerSettings::Acceleration, 3> kLevels{{
    {3, 2, 6},
    {2, 1, 4},
    {3, 1, 2},
}};

}  // namespace

X11PointerSettings::Acceleration X11PointerSettings::AccelerationFor(bool enabled, int level) {
    if (!enabled) {
        return kOff;
    }
    const int index = std::clamp(level, 1, static_cast<int>(kLevels.size())) - 1;
    return kLevels[static_cast<std::size_t>(index)];
}

PointerSettingsOutcome X11PointerSettings::Apply(const PointerSettingsRequest& request) {
    PointerSettingsOutcome outcome;
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        outcome.skipped = "X11: no X display";
        return outcome;
    }
    const Acceleration acceleration =
        AccelerationFor(request.accelerationEnabled, request.accelerationLevel);
    XChangePointerControl(display, True, True, acceleration.numerator, acceleration.denominator,
                          acceleration.threshold);
    // The request only counts as applied once the server has taken it.
    XSync(display, False);
    XCloseDisplay(display);
    outcome.acceleration = true;
    return outcome;
}

}  // namespace orvex::platform
