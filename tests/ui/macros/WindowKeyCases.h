#pragma once

#include <Qt>
#include <array>
#include <cstdint>

namespace orvex::ui::testing {

// Keys as an X server or a Wayland compositor hands them to the program (the native scan code
// of Qt's key event: the kernel's key code + 8) and the virtual-key code each must become.
struct WindowKeyCase {
    const char* name;
    std::uint32_t nativeScanCode;
    Qt::Key qtKey;
    int virtualKey;
};

inline constexpr std::array kWindowKeyCases{
    WindowKeyCase{"A", 38, Qt::Key_A, 'A'},
    WindowKeyCase{"1", 10, Qt::Key_1, '1'},
    WindowKeyCase{"F5", 71, Qt::Key_F5, 0x74},
    WindowKeyCase{"Escape", 9, Qt::Key_Escape, 0x1B},
    WindowKeyCase{"keypad Enter", 104, Qt::Key_Enter, 0x0D},
    WindowKeyCase{"Page Down", 117, Qt::Key_PageDown, 0x22},
    WindowKeyCase{"left Shift", 50, Qt::Key_Shift, 160},
    WindowKeyCase{"right Shift", 62, Qt::Key_Shift, 161},
    WindowKeyCase{"left Control", 37, Qt::Key_Control, 162},
    WindowKeyCase{"right Control", 105, Qt::Key_Control, 163},
    WindowKeyCase{"left Alt", 64, Qt::Key_Alt, 164},
    WindowKeyCase{"right Alt", 108, Qt::Key_AltGr, 165},
};

}  // namespace orvex::ui::testing
