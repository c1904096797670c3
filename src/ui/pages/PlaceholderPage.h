#pragma once

#include "ui/pages/ProfilePage.h"

namespace orvex::ui {

// A page that is not built yet: it shows its skin background and keeps nothing, so the window
// can already show, hide and switch it like the finished page.
class PlaceholderPage : public ProfilePage {
    Q_OBJECT

  public:
    // Skin elements of the page backgrounds.
    static constexpr int kMouseBackground = 22;
    static constexpr int kSensorBackground = 49;
    static constexpr int kLightingBackground = 72;
    static constexpr int kMacroBackground = 114;

    PlaceholderPage(int backgroundElement, QWidget* parent);
};

}  // namespace orvex::ui
