#include "ui/pages/PlaceholderPage.h"
#include "ui/pages/ProgramPages.h"

namespace orvex::ui {

ProfilePage* MakeMouseSettingsPage(const WindowServices&, const MacroList&, QWidget* parent) {
    return new PlaceholderPage(PlaceholderPage::kMouseBackground, parent);
}

}  // namespace orvex::ui
