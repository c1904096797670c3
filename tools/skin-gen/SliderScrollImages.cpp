#include <QLinearGradient>
#include <QPainterPath>

#include "Faces.h"
#include "Families.h"
#include "FamilyWriter.h"
#include "Palette.h"
#include "Panels.h"
#include "ui/layout/ScrollBarLayout.h"
#include "ui/layout/SliderLayout.h"

namespace orvex::skingen {
namespace {

namespace sb = ui::layout::scrollbar;

// A slider thumb: a rounded grip with three ridges, or a step number for resolution thumbs.
QImage Thumb(const QColor& top, const QColor& bottom, const QString& number) {
    const QSize size(ui::layout::slider::kThumbSize.width, ui::layout::slider::kThumbSize.height);
    QImage image = NewPicture(size);
    QPainter painter(&image);
    painter.fillRect(image.rect(), palette::kPanelBottom);
    painter.setRenderHint(QPainter::Antialiasing, true);
    QLinearGradient face(0, 0, 0, size.height());
    face.setColorAt(0.0, top);
    face.setColorAt(1.0, bottom);
    painter.setPen(QPen(QColor(0x0A, 0x0B, 0x0E), 1));
    painter.setBrush(face);
    painter.drawRoundedRect(QRectF(0.5, 0.5, size.width() - 1, size.height() - 1), 3, 3);
    if (number.isEmpty()) {
        painter.setPen(QPen(QColor(0, 0, 0, 0x70), 1));
        for (int y : {9, 12, 15}) {
            painter.drawLine(QPointF(4, y + 0.5), QPointF(size.width() - 4, y + 0.5));
        }
    } else {
        DrawText(painter, image.rect(), number, QColor(0x0A, 0x0B, 0x0E), 11, Qt::AlignCenter,
                 true);
    }
    return image;
}

void DrawArrow(QPainter& painter, const QRect& rect, bool up, SkinState state) {
    DrawButtonFace(painter, rect.adjusted(3, 1, -3, -1), state, QString());
    const QPointF c = QRectF(rect).center();
    const double dy = up ? -1.0 : 1.0;
    QPainterPath arrow;
    arrow.moveTo(c.x() - 4, c.y() - 2 * dy);
    arrow.lineTo(c.x() + 4, c.y() - 2 * dy);
    arrow.lineTo(c.x(), c.y() + 3 * dy);
    arrow.closeSubpath();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.fillPath(arrow,
                     state == SkinState::Normal ? palette::kAccentLight : palette::kTextBright);
    painter.restore();
}

void DrawScrollTrack(QPainter& painter) {
    const QRect whole(0, 0, sb::kBitmapSize.width, sb::kBitmapSize.height);
    painter.fillRect(whole, palette::kPanelBottom);
    painter.fillRect(whole.adjusted(7, 0, -7, 0), palette::kWell);
    painter.fillRect(QRect(whole.center().x(), 0, 1, whole.height()), palette::kWellEdge);
}

// "Scroll_Down" holds the pieces at rest and "Scroll_Over" the pressed pieces; "Scroll_Normal"
// is the bare bar the pieces are drawn on.
void DrawScrollPieces(QPainter& painter, SkinState state) {
    DrawScrollTrack(painter);
    DrawArrow(painter, ToQRect(sb::kUpArrow), true, state);
    DrawButtonFace(painter, ToQRect(sb::kThumb).adjusted(5, 1, -5, -1), state, QString());
    DrawArrow(painter, ToQRect(sb::kDownArrow), false, state);
}

}  // namespace

bool WriteSliderImages(const QDir& folder) {
    bool written = true;
    written = WriteImage(folder, QStringLiteral("Slider_Normal.bmp"),
                         Thumb(QColor(0xE6, 0xE9, 0xEE), QColor(0x9C, 0xA3, 0xAE), QString())) &&
              written;
    written = WriteImage(folder, QStringLiteral("Slider_Disable.bmp"),
                         Thumb(QColor(0x4A, 0x4E, 0x56), QColor(0x33, 0x36, 0x3C), QString())) &&
              written;
    written =
        WriteImage(folder, QStringLiteral("Slider1.bmp"),
                   Thumb(QColor(0x7F, 0xAE, 0xE6), palette::kAccentLight, QStringLiteral("1"))) &&
        written;
    written = WriteImage(
                  folder, QStringLiteral("Slider2.bmp"),
                  Thumb(QColor(0x8A, 0xE6, 0xB8), QColor(0x3C, 0xB4, 0x7C), QStringLiteral("2"))) &&
              written;
    written = WriteImage(
                  folder, QStringLiteral("Slider3.bmp"),
                  Thumb(QColor(0xF2, 0xC8, 0x7A), QColor(0xD2, 0x8C, 0x32), QStringLiteral("3"))) &&
              written;
    return written;
}

bool WriteScrollFamily(const QDir& folder) {
    const QSize size(sb::kBitmapSize.width, sb::kBitmapSize.height);
    bool written = WriteImage(folder, QStringLiteral("Scroll_Normal.bmp"),
                              PaintState(size, SkinState::Normal, [](QPainter& painter, SkinState) {
                                  DrawScrollTrack(painter);
                              }));
    written = WriteImage(folder, QStringLiteral("Scroll_Down.bmp"),
                         PaintState(size, SkinState::Normal, DrawScrollPieces)) &&
              written;
    written = WriteImage(folder, QStringLiteral("Scroll_Over.bmp"),
                         PaintState(size, SkinState::Pressed, DrawScrollPieces)) &&
              written;
    return written;
}

}  // namespace orvex::skingen
