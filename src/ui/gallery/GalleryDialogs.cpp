#include "ui/gallery/GalleryControls.h"
#include "ui/gallery/GalleryWindows.h"
#include "ui/layout/RenameLayout.h"
#include "ui/skin/CTavButton.h"
#include "ui/skin/CTavEdit.h"
#include "ui/skin/CTavImageDialog.h"
#include "ui/skin/CTavStatic.h"
#include "ui/skin/SkinImageSet.h"

namespace orvex::ui::gallery {
namespace {

SkinFamily FamilyOf(const layout::popup::PopupFace& face) {
    switch (face.mode) {
        case 145:
            return SkinFamily::LeftClickWarn;
        case 148:
            return SkinFamily::DeleteMacro;
        case 152:
            return SkinFamily::SensorSqat1;
        case 156:
            return SkinFamily::SensorSqat2;
        case 162:
            return SkinFamily::SensorSqat3;
        case 165:
            return SkinFamily::ResetWarn;
        default:
            return SkinFamily::AssignKey;
    }
}

// Pop-up buttons have no disabled picture except on the key-assignment face.
CTavButton* PlacePopupButton(QWidget* parent, SkinFamily family, const layout::LayoutRect& rect) {
    CTavButton* button = PlaceButton(parent, family, rect);
    if (family != SkinFamily::AssignKey) {
        button->SetImages(button->image(CTavButton::kNormalImage),
                          button->image(CTavButton::kHoverImage),
                          button->image(CTavButton::kPressedImage), QImage());
    }
    return button;
}

}  // namespace

std::unique_ptr<CTavImageDialog> BuildRenameDialog() {
    namespace rn = layout::rename;
    std::unique_ptr<CTavImageDialog> dialog(NewSkinnedWindow(SkinFamily::ReName));
    PlacePopupButton(dialog.get(), SkinFamily::ReName, rn::kOk);
    PlacePopupButton(dialog.get(), SkinFamily::ReName, rn::kCancel);
    PlacePopupButton(dialog.get(), SkinFamily::ReName, rn::kClose);
    PlaceEdit(dialog.get(), SkinFamily::ReName, rn::kEdit, QStringLiteral("Gaming"), 13);
    return dialog;
}

std::unique_ptr<CTavImageDialog> BuildPopup(const layout::popup::PopupFace& face) {
    const SkinFamily family = FamilyOf(face);
    std::unique_ptr<CTavImageDialog> dialog(NewSkinnedWindow(family));
    PlacePopupButton(dialog.get(), family, face.ok);
    if (face.cancel) {
        PlacePopupButton(dialog.get(), family, *face.cancel);
    }
    PlacePopupButton(dialog.get(), family, face.close);
    if (face.time) {
        const bool keyCapture = family == SkinFamily::AssignKey;
        PlaceStatic(dialog.get(), family, 0, *face.time,
                    keyCapture ? QStringLiteral("ESC") : QStringLiteral("7"), keyCapture ? 14 : 12);
    }
    if (face.image) {
        auto* picture = new CTavStatic(dialog.get());
        picture->setGeometry(ToQRect(*face.image));
        picture->SetBackground(Crop(family, 0, *face.image));
        for (int frame = 1; frame <= 3; ++frame) {
            picture->AddImage(SkinFolderImage(QStringLiteral("TQA2-%1.bmp").arg(frame)));
        }
        picture->SetCurrentImageIndex(1);
    }
    return dialog;
}

std::unique_ptr<CTavImageDialog> BuildColorPanel() {
    return std::unique_ptr<CTavImageDialog>(
        NewWindowWithBackground(SkinImageSet::Instance().SlotImage(kSlotColorPanel)));
}

}  // namespace orvex::ui::gallery
