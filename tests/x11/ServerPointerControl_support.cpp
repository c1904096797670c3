#include <X11/Xlib.h>

#include "x11/ServerPointerControl.h"

namespace orvex::testing {

std::array<int, 3> ServerPointerAcceleration() {
    std::array<int, 3> control{};
    Display* display = XOpenDisplay(nullptr);
    if (display != nullptr) {
        XGetPointerControl(display, &control[0], &control[1], &control[2]);
        XCloseDisplay(display);
    }
    return control;
}

void SetServerPointerAcceleration(const std::array<int, 3>& control) {
    Display* display = XOpenDisplay(nullptr);
    if (display != nullptr) {
        XChangePointerControl(display, True, True, control[0], control[1], control[2]);
        XSync(display, False);
        XCloseDisplay(display);
    }
}

}  // namespace orvex::testing
