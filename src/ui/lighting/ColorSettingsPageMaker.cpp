#include "ui/pages/PlaceholderPage.h"
#include "ui/pages/ProgramPages.h"

namespace orvex::ui {

ProfilePage* MakeColorSettingsPage(const WindowServices&, QWidget* parent) {
    return new PlaceholderPage(PlaceholderPage::kLightingBackground, parent);
}

}  // namespace orvex::ui
