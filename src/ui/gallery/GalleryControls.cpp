#include "ui/gallery/GalleryControls.h"

#include <QDir>

#include "ui/layout/ScrollBarLayout.h"
#include "ui/skin/CQELComboButton.h"
#include "ui/skin/CQELNUMEdit.h"
#include "ui/skin/CTavButton.h"
#include "ui/skin/CTavCheckBox.h"
#include "ui/skin/CTavComboButton.h"
#include "ui/skin/CTavImageDialog.h"
#include "ui/skin/CTavProgressCtrl.h"
#include "ui/skin/CTavScrollCtrl.h"
#include "ui/skin/CTavSliderCtrl.h"
#include "ui/skin/CTavSliderCtrl3D.h"
#include "ui/skin/CTavStatic.h"
#include "ui/skin/SkinFonts.h"
#include "ui/skin/SkinImageSet.h"

namespace orvex::ui::gallery {
namespace {

SkinImageSet& Skin() {
    SkinImageSet& set = SkinImageSet::Instance();
    set.LoadSkinImages();
    return set;
}

template <typename Control>
Control* Place(QWidget* parent, const layout::LayoutRect& rect) {
    auto* control = new Control(parent);
    control->setGeometry(ToQRect(rect));
    return control;
}

}  // namespace

CTavImageDialog* NewWindowWithBackground(const QImage& background, QWidget* parent) {
    auto* window = new CTavImageDialog(parent, parent ? Qt::Widget : Qt::Dialog);
    window->SetBackgroundImage(background);
    window->resize(background.size());
    return window;
}

CTavImageDialog* NewSkinnedWindow(SkinFamily family, QWidget* parent) {
    return NewWindowWithBackground(Skin().SlotImage(FamilySlot(family, SkinState::Normal)), parent);
}

QImage Crop(SkinFamily family, SkinState state, const layout::LayoutRect& rect) {
    const int slot = FamilySlot(family, state);
    return slot < 0 ? QImage() : CropImage(Skin().SlotImage(slot), ToQRect(rect));
}

CTavButton* PlaceButton(QWidget* parent, SkinFamily family, const layout::LayoutRect& rect,
                        const QString& text) {
    auto* button = Place<CTavButton>(parent, rect);
    button->SetImages(Crop(family, SkinState::Normal, rect), Crop(family, SkinState::Hover, rect),
                      Crop(family, SkinState::Pressed, rect),
                      Crop(family, SkinState::Disabled, rect));
    button->SetText(text);
    return button;
}

CTavCheckBox* PlaceCheckBox(QWidget* parent, SkinFamily family, const layout::LayoutRect& rect) {
    auto* box = Place<CTavCheckBox>(parent, rect);
    box->SetImages(Crop(family, SkinState::Normal, rect), Crop(family, SkinState::Hover, rect),
                   Crop(family, SkinState::Pressed, rect), Crop(family, SkinState::Disabled, rect));
    return box;
}

CTavComboButton* PlaceCombo(QWidget* parent, SkinFamily family, const layout::LayoutRect& rect,
                            const QString& text, int fontHeight) {
    auto* combo = Place<CTavComboButton>(parent, rect);
    combo->SetImages(Crop(family, SkinState::Normal, rect), Crop(family, SkinState::Hover, rect),
                     Crop(family, SkinState::Pressed, rect));
    combo->SetLabelFont(kNeoSansFace, fontHeight);
    combo->SetSelection(text, 0, 0);
    return combo;
}

CQELComboButton* PlaceQelCombo(QWidget* parent, SkinFamily family, const layout::LayoutRect& rect,
                               const QString& text) {
    auto* combo = Place<CQELComboButton>(parent, rect);
    combo->SetImages(Crop(family, SkinState::Normal, rect), Crop(family, SkinState::Hover, rect),
                     Crop(family, SkinState::Pressed, rect));
    combo->SetLabelFont(kNeoSansFace, 13);
    combo->SetSelection(text, 0, 0);
    return combo;
}

CTavSliderCtrl* PlaceSlider(QWidget* parent, SkinFamily family, const layout::LayoutRect& rect,
                            int minimum, int maximum, int value) {
    auto* slider = Place<CTavSliderCtrl>(parent, rect);
    const QImage& thumb = Skin().SlotImage(kSlotSliderNormal);
    slider->SetImages(Crop(family, SkinState::Normal, rect), thumb, thumb,
                      Skin().SlotImage(kSlotSliderDisable));
    slider->SetMinimum(minimum);
    slider->SetMaximum(maximum);
    slider->SetPos(value);
    return slider;
}

CTavSliderCtrl3D* PlaceResolutionSlider(QWidget* parent, SkinFamily family,
                                        const layout::LayoutRect& rect, int first, int second,
                                        int third) {
    auto* slider = Place<CTavSliderCtrl3D>(parent, rect);
    slider->SetImages(Crop(family, SkinState::Normal, rect), Skin().SlotImage(kSlotSlider1),
                      Skin().SlotImage(kSlotSlider2), Skin().SlotImage(kSlotSlider3));
    slider->SetMinimum(50);
    slider->SetMaximum(7000);
    slider->SetStep(50);
    slider->SetPos1(first, false);
    slider->SetPos2(second, false);
    slider->SetPos3(third, false);
    return slider;
}

CQELNUMEdit* PlaceNumberEdit(QWidget* parent, SkinFamily family, const layout::LayoutRect& rect,
                             const QString& text) {
    auto* edit = Place<CQELNUMEdit>(parent, rect);
    edit->SetBackgroundImage(Crop(family, SkinState::Normal, rect));
    edit->setText(text);
    return edit;
}

CTavStatic* PlaceStatic(QWidget* parent, SkinFamily family, SkinState state,
                        const layout::LayoutRect& rect, const QString& text, int fontHeight) {
    auto* label = Place<CTavStatic>(parent, rect);
    label->SetBackground(Crop(family, state, rect));
    label->SetFontHeight(fontHeight);
    label->SetTextColour(0xFFD2D2D2);
    label->SetCentreHorizontally(true);
    label->SetText(text);
    return label;
}

CTavProgressCtrl* PlaceProgress(QWidget* parent, SkinFamily family, const layout::LayoutRect& rect,
                                int position, bool vertical) {
    auto* bar = Place<CTavProgressCtrl>(parent, rect);
    bar->SetImages(Crop(family, SkinState::Normal, rect), Crop(family, SkinState::Pressed, rect));
    bar->SetVertical(vertical);
    bar->SetMinimum(0);
    bar->SetMaximum(10);
    bar->SetPos(position);
    return bar;
}

CTavScrollCtrl* PlaceScrollBar(QWidget* parent, const layout::LayoutRect& list, int position) {
    namespace sb = layout::scrollbar;
    const layout::LayoutRect rect{list.right() - sb::kBitmapSize.width, list.top,
                                  sb::kBitmapSize.width, list.height};
    auto* bar = Place<CTavScrollCtrl>(parent, rect);
    const QImage rest = Skin().SlotImage(kSlotScrollDown);
    const QImage pressed = Skin().SlotImage(kSlotScrollOver);
    bar->SetImages(Skin().SlotImage(kSlotScrollNormal), CropImage(rest, ToQRect(sb::kThumb)),
                   CropImage(pressed, ToQRect(sb::kThumb)), CropImage(rest, ToQRect(sb::kUpArrow)),
                   CropImage(pressed, ToQRect(sb::kUpArrow)),
                   CropImage(rest, ToQRect(sb::kDownArrow)),
                   CropImage(pressed, ToQRect(sb::kDownArrow)));
    bar->SetMinimum(0);
    bar->SetMaximum(20);
    bar->SetPos(position);
    return bar;
}

}  // namespace orvex::ui::gallery
