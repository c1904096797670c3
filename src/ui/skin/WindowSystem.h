#pragma once

namespace orvex::ui {

// What the window system the program runs on lets a program do with its windows. On X11 (and on
// the window-less platform of the tests) a program places its windows on the screen itself and
// stacks them; a Wayland compositor does both for its clients and never tells them where their
// windows are.

// Whether window positions are screen positions the program chooses and can read back.
bool WindowSystemKnowsWindowPositions();
// Whether a window can ask to stay above the others.
bool WindowSystemStacksOnRequest();

}  // namespace orvex::ui
