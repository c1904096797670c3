#include "platform/FallbackKeyboardHook.h"
#include "platform/KeyboardHook.h"
#include "platform/linux/WindowKeyboardHook.h"
#include "platform/linux/X11KeyboardHook.h"

namespace orvex::platform {

std::unique_ptr<KeyboardHook> MakeDesktopKeyboardHook(std::string_view windowSystem,
                                                      WindowKeys& windowKeys) {
    // Only an X server lets an ordinary program listen to every key, and only with XInput 2;
    // elsewhere (a Wayland compositor, the window-less platform) the program hears the keys its
    // own windows get.
    auto inWindow = std::make_unique<WindowKeyboardHook>(windowKeys);
    if (windowSystem == "xcb") {
        return std::make_unique<FallbackKeyboardHook>(std::make_unique<X11KeyboardHook>(),
                                                      std::move(inWindow));
    }
    return inWindow;
}

}  // namespace orvex::platform
