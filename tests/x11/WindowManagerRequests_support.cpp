#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <string>

#include "x11/WindowManagerRequests.h"

namespace orvex::testing {
namespace {

Window WindowFromId(const std::string& windowId) {
    return static_cast<Window>(std::stoul(windowId));
}

}  // namespace

bool WindowAsksToBeIconic(const std::string& windowId) {
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        return false;
    }
    bool iconic = false;
    if (XWMHints* hints = XGetWMHints(display, WindowFromId(windowId))) {
        iconic = (hints->flags & StateHint) != 0 && hints->initial_state == IconicState;
        XFree(hints);
    }
    XCloseDisplay(display);
    return iconic;
}

bool AskWindowToClose(const std::string& windowId) {
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        return false;
    }
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = WindowFromId(windowId);
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    const bool sent = XSendEvent(display, event.xclient.window, False, NoEventMask, &event) != 0;
    XSync(display, False);
    XCloseDisplay(display);
    return sent;
}

}  // namespace orvex::testing
