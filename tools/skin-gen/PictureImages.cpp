#include <QPainter>

#include "Faces.h"
#include "Families.h"
#include "FamilyWriter.h"
#include "MouseDrawing.h"
#include "Palette.h"
#include "ui/layout/ColorPanelLayout.h"
#include "ui/layout/ColorSettingsLayout.h"
#include "ui/skin/LayoutRectQt.h"
#include "ui/skin/SkinColours.h"

namespace orvex::skingen {
namespace {

namespace cs = ui::layout::colorsettings;

// The body rectangle inside Mouse.png that puts the wheel and logo features exactly on the
// preview's two lamp zones.
const QRectF kPreviewBody(40, 2, 125, 208);

}  // namespace

bool WriteMousePicture(const QDir& folder) {
    QImage picture(cs::kMousePreview.width, cs::kMousePreview.height,
                   QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    DrawMouseBody(painter, kPreviewBody);
    // The lamps are windows: the zone colours painted behind the picture shine through them.
    painter.setCompositionMode(QPainter::CompositionMode_Clear);
    painter.fillRect(ui::ToQRect(cs::kPreviewWheelZone), Qt::transparent);
    painter.fillRect(ui::ToQRect(cs::kPreviewLogoZone), Qt::transparent);
    painter.end();
    return WriteImage(folder, QStringLiteral("Mouse.png"),
                      picture.convertToFormat(QImage::Format_ARGB32));
}

bool WriteColorPanelImage(const QDir& folder) {
    namespace cp = ui::layout::colorpanel;
    QImage panel = NewPicture(QSize(cp::kPanelSize.width, cp::kPanelSize.height));
    QPainter painter(&panel);
    painter.fillRect(panel.rect(), palette::kWell);
    for (const cp::PanelCell& cell : cp::kCells) {
        painter.fillRect(ui::ToQRect(cell.Rect()), ui::ColourFromBgr(cell.colourBgr));
    }
    painter.end();
    return WriteImage(folder, QStringLiteral("ColorPanel.bmp"), panel);
}

}  // namespace orvex::skingen
