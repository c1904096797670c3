#include <QApplication>
#include <QCoreApplication>

#include "core/log/Log.h"
#include "core/profiles/ProfileRecord.h"
#include "ui/gallery/GalleryProgram.h"
#include "ui/layout/PopupLayout.h"
#include "ui/macros/KeyCapturedEvent.h"
#include "ui/profiles/CRenameDlg.h"
#include "ui/sensor/CPopDlg.h"
#include "ui/skin/CTavEdit.h"
#include "ui/skin/SkinFiles.h"

namespace orvex::ui::gallery {
namespace {

QImage Picture(QWidget& dialog) {
    dialog.show();
    QCoreApplication::processEvents();
    QImage picture = dialog.grab().toImage();
    dialog.hide();
    return picture;
}

QString PopupName(const layout::popup::PopupFace& face) {
    const std::string_view stem = FamilyStem(face.family);
    return QStringLiteral("popup-") +
           QString::fromLatin1(stem.data(), static_cast<qsizetype>(stem.size()));
}

}  // namespace

std::vector<GalleryPicture> RenderDialogs(const WindowServices& services) {
    std::vector<GalleryPicture> pictures;
    ProfileRecord profile = MakeDefaultProfile();
    CRenameDlg rename(profile, nullptr);
    rename.edit()->setText(QStringLiteral("Gaming"));
    pictures.push_back({QStringLiteral("window-Rename"), Picture(rename)});

    const CPopDlg::Services popupServices{services.link, services.keyboardHook, services.log};
    for (const layout::popup::PopupFace& face : layout::popup::kFaces) {
        CPopDlg popup(face.mode, nullptr, popupServices);
        popup.countdownTimer().stop();
        pictures.push_back({PopupName(face), Picture(popup)});
    }

    CPopDlg countdown(PopupMode::SurfaceCountdown, nullptr, popupServices);
    countdown.countdownTimer().stop();
    for (int tick = 0; tick < 3; ++tick) {
        countdown.CountdownTick();
    }
    pictures.push_back({QStringLiteral("popup-SensorSqat2-counting"), Picture(countdown)});

    CPopDlg assign(PopupMode::AssignKey, nullptr, popupServices);
    KeyCapturedEvent enter(0x0D, false);
    QCoreApplication::sendEvent(&assign, &enter);
    pictures.push_back({QStringLiteral("popup-AssignKey-captured"), Picture(assign)});
    return pictures;
}

}  // namespace orvex::ui::gallery
