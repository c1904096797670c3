#pragma once

#include <QWidget>

#include "ui/layout/LayoutRect.h"
#include "ui/skin/LayoutRectQt.h"
#include "ui/skin/SkinImageSet.h"

namespace orvex::ui {

// A skinned control made on `parent` with its control id, at its layout rectangle.
template <typename Control>
Control* PlaceControl(QWidget* parent, int id, const layout::LayoutRect& rect) {
    auto* control = new Control(parent);
    control->SetControlId(id);
    control->setGeometry(ToQRect(rect));
    return control;
}

// A push button or check box whose four looks are cut at its place from the family's state
// bitmaps (a look the family has no bitmap for stays empty).
template <typename Button>
Button* PlaceFamilyButton(QWidget* parent, int id, const layout::LayoutRect& rect,
                          SkinFamily family) {
    auto* button = PlaceControl<Button>(parent, id, rect);
    SkinImageSet& skin = SkinImageSet::Instance();
    const QRect place = ToQRect(rect);
    button->SetImages(skin.CropFamily(family, SkinState::Normal, place),
                      skin.CropFamily(family, SkinState::Hover, place),
                      skin.CropFamily(family, SkinState::Pressed, place),
                      skin.CropFamily(family, SkinState::Disabled, place));
    return button;
}

// As PlaceFamilyButton, the looks cut from the bitmaps of a skin element.
template <typename Button>
Button* PlaceElementButton(QWidget* parent, int id, const layout::LayoutRect& rect, int element) {
    auto* button = PlaceControl<Button>(parent, id, rect);
    SkinImageSet& skin = SkinImageSet::Instance();
    const QRect place = ToQRect(rect);
    button->SetImages(skin.GetSkinImage(element, SkinState::Normal, place),
                      skin.GetSkinImage(element, SkinState::Hover, place),
                      skin.GetSkinImage(element, SkinState::Pressed, place),
                      skin.GetSkinImage(element, SkinState::Disabled, place));
    return button;
}

}  // namespace orvex::ui
