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

// The gallery program, run as a developer runs it: one picture per window at the window's size,
// plus the open menu and the control sheets.
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
                             "page-MacroSettings", "page-Support", "menu-open"}) {
        EXPECT_EQ(sizeOf(QString::fromLatin1(name)), page) << name;
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
