#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <vector>

#include "ui/layout/ColorPanelLayout.h"
#include "ui/layout/ColorSettingsLayout.h"
#include "ui/layout/PopupLayout.h"
#include "ui/layout/SensorLayout.h"
#include "ui/layout/WindowLayouts.h"
#include "ui/skin/SkinFiles.h"
#include "ui/skin/SkinImageSet.h"

// The skin drawn by the build's generator, checked as the program will read it.
namespace orvex::ui {
namespace {

namespace layout = ui::layout;

QString SkinFolder() {
    return QStringLiteral(ORVEX_DEFAULT_SKIN_DIR);
}

QImage LoadSkinFile(const QString& name) {
    return SkinImageSet::LoadImageFile(QDir(SkinFolder()).filePath(name));
}

QString Stem(const layout::WindowLayout& window) {
    return QString::fromLatin1(window.family.data(), static_cast<qsizetype>(window.family.size()));
}

// A family's state bitmaps present in the folder, in state order.
std::vector<QImage> StateBitmaps(const layout::WindowLayout& window) {
    std::vector<QImage> states;
    for (const SkinState state : kSkinStates) {
        const std::string_view suffix = StateFileSuffix(state);
        const QImage image =
            LoadSkinFile(Stem(window) + QLatin1Char('_') +
                         QString::fromLatin1(suffix.data(), static_cast<qsizetype>(suffix.size())) +
                         QStringLiteral(".bmp"));
        if (!image.isNull()) {
            states.push_back(image.convertToFormat(QImage::Format_ARGB32));
        }
    }
    return states;
}

TEST(DefaultSkin, EveryFileLoadsAndTheExtraPicturesFitTheirStatics) {
    SkinImageSet set(SkinFolder());
    set.LoadSkinImages();
    for (int slot = 0; slot < kSkinFileCount; ++slot) {
        EXPECT_FALSE(set.SlotImage(slot).isNull())
            << kSkinFileNames[static_cast<std::size_t>(slot)];
    }
    const auto& surface = layout::sensor::kSurfacePictureSize;
    for (int level = 0; level <= 100; level += 10) {
        EXPECT_EQ(LoadSkinFile(QStringLiteral("%1.bmp").arg(level)).size(),
                  QSize(surface.width, surface.height))
            << level;
    }
    const auto& countdown = layout::popup::kCountdownPictureSize;
    for (int frame = 1; frame <= 3; ++frame) {
        EXPECT_EQ(LoadSkinFile(QStringLiteral("TQA2-%1.bmp").arg(frame)).size(),
                  QSize(countdown.width, countdown.height))
            << frame;
    }
}

// In register: every state bitmap has the window's size, and only the controls' rectangles
// differ between the states, so a crop at a control never shows another state's background.
TEST(DefaultSkin, FamilyBitmapsShareTheWindowsSizeAndDifferOnlyUnderControls) {
    for (const layout::WindowLayout& window : layout::AllWindowLayouts()) {
        if (window.window == "ColorPanel") {
            continue;  // a single picture, no states
        }
        const std::vector<QImage> states = StateBitmaps(window);
        ASSERT_GE(states.size(), 3u) << window.window;
        const QSize size(window.size.width, window.size.height);
        for (const QImage& state : states) {
            EXPECT_EQ(state.size(), size) << window.window;
        }
        QImage underControls(size, QImage::Format_Mono);
        underControls.fill(0);
        for (const layout::ControlPlacement& control : window.controls) {
            for (int y = control.rect.top; y < control.rect.bottom(); ++y) {
                for (int x = control.rect.left; x < control.rect.right(); ++x) {
                    underControls.setPixel(x, y, 1);
                }
            }
        }
        int strayPixels = 0;
        for (std::size_t s = 1; s < states.size(); ++s) {
            for (int y = 0; y < size.height(); ++y) {
                for (int x = 0; x < size.width(); ++x) {
                    if (underControls.pixelIndex(x, y) == 0 &&
                        states[s].pixel(x, y) != states[0].pixel(x, y)) {
                        ++strayPixels;
                    }
                }
            }
        }
        EXPECT_EQ(strayPixels, 0) << window.window;
    }
}

TEST(DefaultSkin, MousePictureHasTransparentLampWindowsInAnOpaqueBody) {
    const QImage mouse = LoadSkinFile(QStringLiteral("Mouse.png"));
    ASSERT_EQ(mouse.size(), QSize(layout::colorsettings::kMousePreview.width,
                                  layout::colorsettings::kMousePreview.height));
    const QRect lamps[] = {QRect(QPoint(85, 12), QPoint(119, 54)),
                           QRect(QPoint(80, 153), QPoint(120, 189))};
    for (const QRect& lamp : lamps) {
        for (int y = lamp.top(); y <= lamp.bottom(); ++y) {
            for (int x = lamp.left(); x <= lamp.right(); ++x) {
                ASSERT_EQ(qAlpha(mouse.pixel(x, y)), 0) << x << "," << y;
            }
        }
    }
    // Between the lamps lies the shell, which hides the preview's black ground.
    EXPECT_EQ(qAlpha(mouse.pixel(102, 110)), 255);
    EXPECT_EQ(qAlpha(mouse.pixel(102, 80)), 255);
}

TEST(DefaultSkin, ColourPanelCellsCarryTheirColours) {
    const QImage panel = LoadSkinFile(QStringLiteral("ColorPanel.bmp"));
    ASSERT_EQ(panel.size(),
              QSize(layout::colorpanel::kPanelSize.width, layout::colorpanel::kPanelSize.height));
    for (const layout::colorpanel::PanelCell& cell : layout::colorpanel::kCells) {
        const QColor expected(static_cast<int>(cell.colourBgr & 0xFF),
                              static_cast<int>((cell.colourBgr >> 8) & 0xFF),
                              static_cast<int>((cell.colourBgr >> 16) & 0xFF));
        for (const QPoint corner :
             {QPoint(cell.left, cell.top), QPoint(cell.right - 1, cell.bottom - 1)}) {
            EXPECT_EQ(panel.pixelColor(corner), expected) << cell.left << "," << cell.top;
        }
    }
}

}  // namespace
}  // namespace orvex::ui
