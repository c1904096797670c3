#include "ui/gallery/GalleryControls.h"
#include "ui/gallery/GalleryWindows.h"
#include "ui/layout/RenameLayout.h"
#include "ui/skin/CTavButton.h"
#include "ui/skin/CTavEdit.h"
#include "ui/skin/CTavImageDialog.h"
#include "ui/skin/CTavStatic.h"
#include "ui/skin/SkinImageSet.h"

namespace orvex::ui::gallery {

std::unique_ptr<CTavImageDialog> BuildRenameDialog() {
    namespace rn = layout::rename;
    std::unique_ptr<CTavImageDialog> dialog(NewSkinnedWindow(SkinFamily::ReName));
    PlaceButtonWithoutDisabledLook(dialog.get(), SkinFamily::ReName, rn::kOk);
    PlaceButtonWithoutDisabledLook(dialog.get(), SkinFamily::ReName, rn::kCancel);
    PlaceButtonWithoutDisabledLook(dialog.get(), SkinFamily::ReName, rn::kClose);
    PlaceEdit(dialog.get(), SkinFamily::ReName, rn::kEdit, QStringLiteral("Gaming"), 13);
    return dialog;
}

std::unique_ptr<CTavImageDialog> BuildPopup(const layout::popup::PopupFace& face) {
    const SkinFamily family = face.family;
    std::unique_ptr<CTavImageDialog> dialog(NewSkinnedWindow(family));
    // A face's buttons have a disabled look only where its family has a "Disable" bitmap.
    PlaceButton(dialog.get(), family, face.ok);
    if (face.cancel) {
        PlaceButton(dialog.get(), family, *face.cancel);
    }
    PlaceButton(dialog.get(), family, face.close);
    if (face.time) {
        const bool keyCapture = family == SkinFamily::AssignKey;
        PlaceStatic(dialog.get(), family, SkinState::Normal, *face.time,
                    keyCapture ? QStringLiteral("ESC") : QStringLiteral("7"), keyCapture ? 14 : 12);
    }
    if (face.image) {
        auto* picture = new CTavStatic(dialog.get());
        picture->setGeometry(ToQRect(*face.image));
        picture->SetBackground(Crop(family, SkinState::Normal, *face.image));
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
