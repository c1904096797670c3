#pragma once

#include <string>

namespace orvex::testing {

// What a window manager or task bar would read from, or ask of, another program's window (given
// by its X id, as xdotool prints it). Plain Xvfb runs no window manager, so these stand in for
// one. Kept apart from the tests because of Xlib's macros.

// Whether the window asks to be iconic (minimised) in its WM_HINTS.
bool WindowAsksToBeIconic(const std::string& windowId);
// The close request a task bar or title bar sends: WM_DELETE_WINDOW. False when it could not be
// sent.
bool AskWindowToClose(const std::string& windowId);

}  // namespace orvex::testing
