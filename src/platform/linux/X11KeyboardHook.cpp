#include "platform/linux/X11KeyboardHook.h"

#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>

#include <array>

#include "platform/linux/EvdevVirtualKeys.h"

namespace orvex::platform {
namespace {

bool HasXInput2(Display* display, int& opcode) {
    int firstEvent = 0;
    int firstError = 0;
    if (!XQueryExtension(display, "XInputExtension", &opcode, &firstEvent, &firstError)) {
        return false;
    }
    int major = 2;
    int minor = 0;
    return XIQueryVersion(display, &major, &minor) == Success && major >= 2;
}

void SelectRawKeys(Display* display) {
    std::array<unsigned char, XIMaskLen(XI_LASTEVENT)> mask{};
    XISetMask(mask.data(), XI_RawKeyPress);
    XISetMask(mask.data(), XI_RawKeyRelease);
    // Master devices only: every key reaches the master keyboard once, while selecting all
    // devices would bring each key twice, from the physical keyboard and from its master.
    XIEventMask selection{XIAllMasterDevices, static_cast<int>(mask.size()), mask.data()};
    XISelectEvents(display, DefaultRootWindow(display), &selection, 1);
    XFlush(display);
}

}  // namespace

X11KeyboardHook::~X11KeyboardHook() {
    Remove();
}

bool X11KeyboardHook::Install(Sink sink) {
    Remove();
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        return false;
    }
    int opcode = 0;
    if (!HasXInput2(display, opcode)) {
        XCloseDisplay(display);
        return false;
    }
    SelectRawKeys(display);
    display_ = display;
    xinputOpcode_ = opcode;
    sink_ = std::move(sink);
    return true;
}

void X11KeyboardHook::Remove() {
    if (display_ != nullptr) {
        XCloseDisplay(display_);
        display_ = nullptr;
    }
    sink_ = nullptr;
}

int X11KeyboardHook::ConnectionFd() const {
    return display_ != nullptr ? ConnectionNumber(display_) : -1;
}

void X11KeyboardHook::Dispatch() {
    // XPending also reads what the socket holds, so events Xlib had already queued during an
    // earlier round trip are not left waiting for the next readiness of the descriptor.
    while (display_ != nullptr && XPending(display_) > 0) {
        XEvent event;
        XNextEvent(display_, &event);
        XGenericEventCookie* cookie = &event.xcookie;
        if (cookie->type != GenericEvent || cookie->extension != xinputOpcode_ ||
            !XGetEventData(display_, cookie)) {
            continue;
        }
        const auto* raw = static_cast<const XIRawEvent*>(cookie->data);
        const int evtype = cookie->evtype;
        const int keycode = raw->detail;
        XFreeEventData(display_, cookie);
        DeliverRawKey(evtype, keycode);
    }
}

void X11KeyboardHook::DeliverRawKey(int evtype, int keycode) {
    if ((evtype != XI_RawKeyPress && evtype != XI_RawKeyRelease) || keycode < 0 || !sink_) {
        return;
    }
    const auto virtualKey = VirtualKeyFromXkbKeycode(static_cast<unsigned>(keycode));
    if (virtualKey) {
        sink_(KeyEvent{*virtualKey, evtype == XI_RawKeyRelease});
    }
}

}  // namespace orvex::platform
