#pragma once

#include <span>
#include <string_view>

#include "ui/layout/LayoutRect.h"

namespace orvex::ui::layout {

// One control of a window: its dialog id (kNoControlId when it has none), a name for people
// reading the table, its rectangle and whether the user can press it. `samePlaceAs` names the
// control this one deliberately shares its place with (only one of them is ever shown).
struct ControlPlacement {
    int controlId = kNoControlId;
    std::string_view name;
    LayoutRect rect;
    bool interactive = true;
    std::string_view samePlaceAs = {};
};

// A window and the skin family it is cut from: `family` is the file name stem of its bitmaps
// ("Main" for "Main_Normal.bmp" …), `size` their size.
struct WindowLayout {
    std::string_view window;
    std::string_view family;
    LayoutSize size;
    std::span<const ControlPlacement> controls;
};

// Every window of the program: the main window, the five pages, the rename dialog, the colour
// panel and the seven pop-up faces.
std::span<const WindowLayout> AllWindowLayouts();

// The layout of a window by name, or nullptr.
const WindowLayout* FindWindowLayout(std::string_view window);

}  // namespace orvex::ui::layout
