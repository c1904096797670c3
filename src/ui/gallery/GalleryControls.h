#pragma once

#include <QImage>
#include <QRect>
#include <QString>

#include "ui/layout/LayoutRect.h"
#include "ui/skin/LayoutRectQt.h"
#include "ui/skin/SkinFiles.h"

class QWidget;

namespace orvex::ui {
class CQELComboButton;
class CQELNUMEdit;
class CTavButton;
class CTavCheckBox;
class CTavComboButton;
class CTavImageDialog;
class CTavProgressCtrl;
class CTavScrollCtrl;
class CTavSliderCtrl;
class CTavSliderCtrl3D;
class CTavStatic;
}  // namespace orvex::ui

// The gallery builds its windows the way the program does: real skinned controls, placed at
// their layout rectangles, with pictures cut from the skin set at those rectangles.
namespace orvex::ui::gallery {

// A skinned window whose background is the family's normal bitmap.
CTavImageDialog* NewSkinnedWindow(SkinFamily family, QWidget* parent = nullptr);
CTavImageDialog* NewWindowWithBackground(const QImage& background, QWidget* parent = nullptr);

// The family's state bitmaps at the rectangle, or null where the family has no such state.
QImage Crop(SkinFamily family, SkinState state, const layout::LayoutRect& rect);

CTavButton* PlaceButton(QWidget* parent, SkinFamily family, const layout::LayoutRect& rect,
                        const QString& text = {});
CTavCheckBox* PlaceCheckBox(QWidget* parent, SkinFamily family, const layout::LayoutRect& rect);
CTavComboButton* PlaceCombo(QWidget* parent, SkinFamily family, const layout::LayoutRect& rect,
                            const QString& text, int fontHeight);
CQELComboButton* PlaceQelCombo(QWidget* parent, SkinFamily family, const layout::LayoutRect& rect,
                               const QString& text);
CTavSliderCtrl* PlaceSlider(QWidget* parent, SkinFamily family, const layout::LayoutRect& rect,
                            int minimum, int maximum, int value);
CTavSliderCtrl3D* PlaceResolutionSlider(QWidget* parent, SkinFamily family,
                                        const layout::LayoutRect& rect, int first, int second,
                                        int third);
CQELNUMEdit* PlaceNumberEdit(QWidget* parent, SkinFamily family, const layout::LayoutRect& rect,
                             const QString& text);
// A static whose background is the family's bitmap of `state` at its rectangle.
CTavStatic* PlaceStatic(QWidget* parent, SkinFamily family, SkinState state,
                        const layout::LayoutRect& rect, const QString& text, int fontHeight);
// A bar whose trough is the normal bitmap and whose fill is the pressed one.
CTavProgressCtrl* PlaceProgress(QWidget* parent, SkinFamily family, const layout::LayoutRect& rect,
                                int position, bool vertical);
// The lists' scroll bar along the right edge of `list`.
CTavScrollCtrl* PlaceScrollBar(QWidget* parent, const layout::LayoutRect& list, int position);

}  // namespace orvex::ui::gallery
