#include "platform/KeyboardHook.h"
#include "platform/linux/X11KeyboardHook.h"

namespace orvex::platform {

std::unique_ptr<KeyboardHook> MakeDesktopKeyboardHook(std::string_view windowSystem) {
    // Only an X server lets an ordinary program listen to every key; a Wayland compositor and the
    // window-less platform do not.
    if (windowSystem == "xcb") {
        return std::make_unique<X11KeyboardHook>();
    }
    return nullptr;
}

}  // namespace orvex::platform
