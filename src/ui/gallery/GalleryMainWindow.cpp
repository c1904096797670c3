#include "ui/gallery/GalleryControls.h"
#include "ui/gallery/GalleryWindows.h"
#include "ui/layout/MainWindowLayout.h"
#include "ui/skin/CTavButton.h"
#include "ui/skin/CTavComboButton.h"
#include "ui/skin/CTavImageDialog.h"
#include "ui/skin/CTavStatic.h"

namespace orvex::ui::gallery {

std::unique_ptr<CTavImageDialog> BuildMainWindow(std::unique_ptr<CTavImageDialog> page) {
    namespace mw = layout::mainwindow;
    std::unique_ptr<CTavImageDialog> window(NewSkinnedWindow(SkinFamily::Main));
    for (std::size_t i = 0; i < mw::kPageTabs.size(); ++i) {
        CTavButton* tab = PlaceButton(window.get(), SkinFamily::Main, mw::kPageTabs[i]);
        tab->SetChecked(i == 0);
    }
    for (std::size_t i = 0; i < mw::kSlotButtons.size(); ++i) {
        CTavButton* slot = PlaceButton(window.get(), SkinFamily::Main, mw::kSlotButtons[i],
                                       QStringLiteral("Profile%1").arg(i + 1));
        slot->SetChecked(i == 0);
        // The last profile disabled, to show a greyed slot.
        slot->setEnabled(i != 4);
        CTavComboButton* menu =
            PlaceCombo(window.get(), SkinFamily::Main, mw::kSlotMenuButtons[i], QString(), 14);
        menu->SetShowText(false);
    }
    PlaceButton(window.get(), SkinFamily::Main, mw::kResetToDefault);
    PlaceCombo(window.get(), SkinFamily::Main, mw::kLanguage, QStringLiteral("English"), 14);
    PlaceButton(window.get(), SkinFamily::Main, mw::kOk);
    PlaceButton(window.get(), SkinFamily::Main, mw::kApply);
    PlaceButton(window.get(), SkinFamily::Main, mw::kCancel);
    PlaceStatic(window.get(), SkinFamily::Main, SkinState::Normal, mw::kVersion,
                QStringLiteral("1.22"), 13);
    if (page) {
        page->setParent(window.get(), Qt::Widget);
        page->move(mw::kPageOrigin.x, mw::kPageOrigin.y);
        page.release()->show();
    }
    return window;
}

}  // namespace orvex::ui::gallery
