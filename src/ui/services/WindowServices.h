#pragma once

#include <QUrl>
#include <functional>

#include "core/device/DeviceLink.h"

namespace orvex {
class Log;
namespace platform {
class PointerSettings;
}
}  // namespace orvex

namespace orvex::ui {

class KeyboardHookSlot;
class PopupRunner;

// What the windows need from outside themselves: the mouse, the clock its waits run on, the log,
// the pop-ups, the keyboard hook and the desktop. The program's main builds the real ones and a
// test fixture builds its own; both hand them down through constructors, so no window reaches a
// service through a global and every window can be made over a virtual mouse in virtual time.
// Everything referred to must outlive the windows.
struct WindowServices {
    DeviceLink& link;
    Log& log;
    PopupRunner& popups;
    KeyboardHookSlot& keyboardHook;
    // Null: the desktop's pointer settings are left alone.
    platform::PointerSettings* pointer = nullptr;
    // Opens an address in the user's browser; it must not wait for the browser.
    std::function<void(const QUrl&)> openUrl;

    // The clock of every device wait and every timed decision: the link's, so that the window's
    // waits and the link's share one time line.
    Clock& clock() const { return link.clock(); }
};

}  // namespace orvex::ui
