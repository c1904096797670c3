#include "ui/macros/MacroPlaceholderPage.h"
#include "ui/pages/ProgramPages.h"

namespace orvex::ui {

ProfilePage* MakeMacroSettingsPage(const WindowServices& services,
                                   const std::filesystem::path& macroFolder, QWidget* parent) {
    return new MacroPlaceholderPage(macroFolder, services.log, parent);
}

}  // namespace orvex::ui
