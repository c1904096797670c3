#pragma once

#include <filesystem>

#include "ui/services/WindowServices.h"

class QWidget;

namespace orvex {
class MacroList;
}

namespace orvex::ui {

class ProfilePage;

// The program's own pages, one maker each in the page's folder, so the main window knows a page
// only as a ProfilePage. Each page is made as a child of `parent` (the main window) and takes
// the services it needs from `services`.

ProfilePage* MakeSensorPage(const WindowServices& services, QWidget* parent);
ProfilePage* MakeColorSettingsPage(const WindowServices& services, QWidget* parent);
// The macro page loads the program's macro list from `macroFolder` and gives it out through
// ProfilePage::macroList.
ProfilePage* MakeMacroSettingsPage(const WindowServices& services,
                                   const std::filesystem::path& macroFolder, QWidget* parent);
// The mouse page lists the program's macros in its menus and copies them into profiles.
ProfilePage* MakeMouseSettingsPage(const WindowServices& services, const MacroList& macros,
                                   QWidget* parent);

}  // namespace orvex::ui
