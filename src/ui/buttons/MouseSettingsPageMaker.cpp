#include "ui/buttons/CMouseSettingsDlg.h"
#include "ui/pages/ProgramPages.h"

namespace orvex::ui {

ProfilePage* MakeMouseSettingsPage(const WindowServices& services, const MacroList& macros,
                                   QWidget* parent) {
    return new CMouseSettingsDlg(services, macros, parent);
}

}  // namespace orvex::ui
