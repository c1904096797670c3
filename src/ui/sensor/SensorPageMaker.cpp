#include "ui/pages/ProgramPages.h"
#include "ui/sensor/CSensorDlg.h"

namespace orvex::ui {

ProfilePage* MakeSensorPage(const WindowServices& services, QWidget* parent) {
    return new CSensorDlg(services, parent);
}

}  // namespace orvex::ui
