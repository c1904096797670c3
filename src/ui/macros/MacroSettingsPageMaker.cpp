#include "ui/macros/CMacroSettingsDlg.h"
#include "ui/pages/ProgramPages.h"

namespace orvex::ui {

ProfilePage* MakeMacroSettingsPage(const WindowServices& services,
                                   const std::filesystem::path& macroFolder, QWidget* parent) {
    return new CMacroSettingsDlg(services, macroFolder, parent);
}

}  // namespace orvex::ui
