#include "ui/pages/PlaceholderPage.h"

#include "ui/skin/SkinImageSet.h"

namespace orvex::ui {

PlaceholderPage::PlaceholderPage(int backgroundElement, QWidget* parent) : ProfilePage(parent) {
    SetBackgroundImage(
        SkinImageSet::Instance().GetSkinImage(backgroundElement, SkinState::Normal, QRect()));
}

}  // namespace orvex::ui
