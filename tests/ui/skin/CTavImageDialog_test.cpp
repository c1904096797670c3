#include "ui/skin/CTavImageDialog.h"

#include <gtest/gtest.h>

#include <QPalette>

#include "ui/skin/SkinImageSet.h"
#include "ui/skin/SkinTestFolder.h"

namespace orvex::ui {
namespace {

using testing::SkinTestFolder;

QImage Filled(QSize size, QColor colour) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

TEST(CTavImageDialogTest, BackgroundSizesTheWindowAndIsDrawnOverTheWholeClientArea) {
    CTavImageDialog dialog;
    dialog.move(30, 40);
    const QImage picture = SkinTestFolder::SlotPicture(3);
    dialog.SetBackgroundImage(picture);
    EXPECT_EQ(dialog.size(), picture.size());
    EXPECT_EQ(dialog.pos(), QPoint(30, 40));

    const QImage shown = dialog.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shown, picture);

    // Stretched from the top-left corner when the window is made larger than its image.
    dialog.resize(picture.width() * 2, picture.height() * 2);
    const QImage stretched = dialog.grab().toImage();
    EXPECT_EQ(stretched.pixel(0, 0), picture.pixel(0, 0));
    EXPECT_EQ(stretched.pixel(stretched.width() - 1, stretched.height() - 1),
              picture.pixel(picture.width() - 1, picture.height() - 1));
}

TEST(CTavImageDialogTest, WithoutBackgroundTheWindowColourFillsIt) {
    CTavImageDialog dialog;
    dialog.resize(20, 10);
    const QColor windowColour = dialog.palette().color(QPalette::Window);
    EXPECT_EQ(dialog.grab().toImage().pixelColor(10, 5), windowColour);

    dialog.SetBackgroundImage(Filled({20, 10}, Qt::red));
    dialog.SetBackgroundImage(QImage());
    EXPECT_EQ(dialog.size(), QSize(20, 10));
    EXPECT_EQ(dialog.grab().toImage().pixelColor(10, 5), windowColour);
}

TEST(CTavImageDialogTest, SharedSkinImageStaysIntactWhenTheDialogMovesOn) {
    SkinTestFolder folder;
    SkinImageSet set(folder.path());
    CTavImageDialog dialog;
    dialog.SetBackgroundImage(set.GetSkinImage(72, SkinState::Normal, {}));
    dialog.SetBackgroundImage(Filled({10, 10}, Qt::blue));
    EXPECT_EQ(set.GetSkinImage(72, SkinState::Normal, {}),
              SkinTestFolder::SlotPicture(kSlotColorSettingBackground));
    EXPECT_EQ(dialog.size(), QSize(10, 10));
}

TEST(CTavImageDialogTest, PageIsAChildWidgetOfItsOwner) {
    CTavImageDialog mainWindow;
    CTavImageDialog page(&mainWindow, Qt::Widget);
    EXPECT_FALSE(page.isWindow());
    EXPECT_TRUE(mainWindow.isWindow());
}

}  // namespace
}  // namespace orvex::ui
