#pragma once

#include <string>

namespace orvex {

// Display name of a Windows virtual-key code, as shown on a key-bound button, in the key-capture
// pop-up and in the macro event list. Empty for codes without a name (0, the generic Shift,
// Control and Alt codes 16 to 18, anything outside 1..255 and every gap in the table). Some names
// carry a trailing blank ("UP ARROW ", "Volume Up "); they are shown exactly so.
std::u16string GetKeyName(int virtualKey);

}  // namespace orvex
