#include "ui/app/MainWindowControls.h"

#include "ui/skin/CTavButton.h"
#include "ui/skin/CTavComboButton.h"
#include "ui/skin/SkinImageSet.h"

namespace orvex::ui {
namespace {

// Every element number of the main window's range cuts from the same family by state.
constexpr int kMainFamilyElement = 1;

QImage MainPicture(SkinState state, const QRect& rect) {
    return SkinImageSet::Instance().GetSkinImage(kMainFamilyElement, state, rect);
}

}  // namespace

CTavButton* MakeMainButton(QWidget* window, int id, const layout::LayoutRect& rect,
                           const QString& text) {
    auto* button = new CTavButton(window);
    const QRect place = ToQRect(rect);
    button->SetControlId(id);
    button->setGeometry(place);
    button->SetImages(MainPicture(SkinState::Normal, place), MainPicture(SkinState::Hover, place),
                      MainPicture(SkinState::Pressed, place),
                      MainPicture(SkinState::Disabled, place));
    button->SetText(text);
    return button;
}

CTavComboButton* MakeMainComboButton(QWidget* window, int id, const layout::LayoutRect& rect) {
    auto* button = new CTavComboButton(window);
    const QRect place = ToQRect(rect);
    button->SetControlId(id);
    button->setGeometry(place);
    button->SetImages(MainPicture(SkinState::Normal, place), MainPicture(SkinState::Hover, place),
                      MainPicture(SkinState::Pressed, place));
    return button;
}

}  // namespace orvex::ui
