#include <QApplication>
#include <QDir>
#include <cstdio>
#include <memory>

#include "ui/gallery/GallerySheets.h"
#include "ui/gallery/GalleryWindows.h"
#include "ui/layout/PopupLayout.h"
#include "ui/skin/CTavImageDialog.h"
#include "ui/skin/SkinFonts.h"
#include "ui/skin/SkinLocation.h"

namespace {

using orvex::ui::CTavImageDialog;
namespace gallery = orvex::ui::gallery;

bool Save(const QDir& folder, const QString& name, const QImage& image) {
    const bool saved =
        !image.isNull() && image.save(folder.filePath(name + QStringLiteral(".png")));
    if (!saved) {
        std::fprintf(stderr, "orvex-skin-gallery: could not render %s\n", qPrintable(name));
    }
    return saved;
}

bool SaveWindow(const QDir& folder, const QString& name, CTavImageDialog* window) {
    std::unique_ptr<CTavImageDialog> owned(window);
    return Save(folder, name, owned->grab().toImage());
}

QString PopupName(const orvex::ui::layout::popup::PopupFace& face) {
    const std::string_view stem = orvex::ui::FamilyStem(face.family);
    return QStringLiteral("popup-") +
           QString::fromLatin1(stem.data(), static_cast<qsizetype>(stem.size()));
}

}  // namespace

// Renders every window and every control state of the skin into PNG files, from the real
// skinned controls at their layout rectangles.
int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: orvex-skin-gallery OUT_DIR\n");
        return 2;
    }
    QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "orvex-skin-gallery: cannot create %s\n", argv[1]);
        return 1;
    }
    orvex::ui::RegisterSkinFont(orvex::ui::SkinLocation::ForRunningProgram().fontFile);

    bool saved = true;
    saved &= SaveWindow(folder, QStringLiteral("window-Main"),
                        gallery::BuildMainWindow(
                            std::unique_ptr<CTavImageDialog>(gallery::BuildMouseSettingsPage()))
                            .release());
    saved &=
        SaveWindow(folder, QStringLiteral("page-MouseSettings"), gallery::BuildMouseSettingsPage());
    saved &= SaveWindow(folder, QStringLiteral("page-Sensor"), gallery::BuildSensorPage());
    saved &=
        SaveWindow(folder, QStringLiteral("page-ColorSettings"), gallery::BuildColorSettingsPage());
    saved &=
        SaveWindow(folder, QStringLiteral("page-MacroSettings"), gallery::BuildMacroSettingsPage());
    saved &= SaveWindow(folder, QStringLiteral("page-Support"), gallery::BuildSupportPage());
    saved &=
        SaveWindow(folder, QStringLiteral("window-Rename"), gallery::BuildRenameDialog().release());
    saved &= SaveWindow(folder, QStringLiteral("window-ColorPanel"),
                        gallery::BuildColorPanel().release());
    for (const auto& face : orvex::ui::layout::popup::kFaces) {
        saved &= SaveWindow(folder, PopupName(face), gallery::BuildPopup(face).release());
    }
    saved &= Save(folder, QStringLiteral("menu-open"), gallery::RenderOpenMenu());
    for (const gallery::GalleryPicture& sheet : gallery::RenderControlSheets()) {
        saved &= Save(folder, sheet.name, sheet.image);
    }
    return saved ? 0 : 1;
}
