#include "ui/lighting/CColorSettingsDlg.h"
#include "ui/pages/ProgramPages.h"

namespace orvex::ui {

ProfilePage* MakeColorSettingsPage(const WindowServices& services, QWidget* parent) {
    return new CColorSettingsDlg(services, parent);
}

}  // namespace orvex::ui
