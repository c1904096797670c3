#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include "ui/layout/MainWindowLayout.h"
#include "ui/layout/PopupLayout.h"
#include "ui/layout/RenameLayout.h"

namespace orvex::ui {
namespace {

namespace layout = ui::layout;

// The gallery program, run as a developer runs it: the program's own windows and pages at their
// sizes, the windows with a menu open, the pop-ups and the control sheets.
TEST(SkinGallery, RendersEveryWindowAtItsSize) {
    QTemporaryDir out;
    QProcess gallery;
    gallery.start(QStringLiteral(ORVEX_SKIN_GALLERY_PATH), {out.path()});
    ASSERT_TRUE(gallery.waitForFinished(60000));
    ASSERT_EQ(gallery.exitCode(), 0) << gallery.readAllStandardError().toStdString();

    const auto sizeOf = [&out](const QString& name) {
        return QImage(out.filePath(name + QStringLiteral(".png"))).size();
    };
    const QSize page(layout::mainwindow::kPageSize.width, layout::mainwindow::kPageSize.height);
    EXPECT_EQ(sizeOf(QStringLiteral("window-Main")),
              QSize(layout::mainwindow::kWindowSize.width, layout::mainwindow::kWindowSize.height));
    for (const char* name : {"page-MouseSettings", "page-Sensor", "page-ColorSettings",
                             "page-MacroSettings", "page-Support"}) {
        EXPECT_EQ(sizeOf(QString::fromLatin1(name)), page) << name;
    }
    // A window with an open menu is at least the window; the menu may reach beyond it.
    for (const char* name : {"menu-open", "window-Main-slot-menu", "window-Main-language-menu",
                             "window-Main-tray-menu", "window-Main-colour-panel"}) {
        const QSize shot = sizeOf(QString::fromLatin1(name));
        EXPECT_GE(shot.width(), layout::mainwindow::kWindowSize.width) << name;
        EXPECT_GE(shot.height(), layout::mainwindow::kWindowSize.height) << name;
    }
    EXPECT_EQ(sizeOf(QStringLiteral("window-Rename")),
              QSize(layout::rename::kDialogSize.width, layout::rename::kDialogSize.height));
    for (const layout::popup::PopupFace& face : layout::popup::kFaces) {
        const std::string_view stem = FamilyStem(face.family);
        const QString name = QStringLiteral("popup-") +
                             QString::fromLatin1(stem.data(), static_cast<qsizetype>(stem.size()));
        EXPECT_EQ(sizeOf(name), QSize(face.size.width, face.size.height)) << name.toStdString();
    }
    for (const char* name :
         {"control-CTavButton", "control-CTavCheckBox", "control-CTavComboButton",
          "control-CTavSliderCtrl3D", "control-CTavScrollCtrl", "control-CTavProgressCtrl"}) {
        EXPECT_FALSE(sizeOf(QString::fromLatin1(name)).isEmpty()) << name;
    }
}

}  // namespace
}  // namespace orvex::ui
