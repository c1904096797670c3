#include "ui/pages/PlaceholderPage.h"
#include "ui/pages/ProgramPages.h"

namespace orvex::ui {

ProfilePage* MakeSensorPage(const WindowServices&, QWidget* parent) {
    return new PlaceholderPage(PlaceholderPage::kSensorBackground, parent);
}

}  // namespace orvex::ui
