#include <QLinearGradient>
#include <QPainterPath>
#include <QRandomGenerator>
#include <cmath>

#include "Families.h"
#include "FamilyWriter.h"
#include "Palette.h"
#include "Panels.h"
#include "ui/layout/PopupLayout.h"
#include "ui/layout/SensorLayout.h"

namespace orvex::skingen {
namespace {

// A close-up of a surface as the sensor sees it: the better the surface reads, the finer and
// more even its texture, and the greener the verdict. Level 0 is a blank, unreadable surface.
QImage SurfacePicture(int level) {
    const auto& size = ui::layout::sensor::kSurfacePictureSize;
    QImage image = NewPicture(QSize(size.width, size.height));
    QPainter painter(&image);
    painter.fillRect(image.rect(), palette::kWell);
    // A fixed seed keeps the pictures identical from build to build.
    QRandomGenerator random(static_cast<quint32>(1000 + level));
    const int dots = level * 140;
    for (int i = 0; i < dots; ++i) {
        const int x = random.bounded(size.width);
        const int y = random.bounded(size.height);
        const int shade = 40 + random.bounded(20 + level * 12);
        painter.fillRect(QRect(x, y, 2, 2), QColor(shade, shade, shade + 8));
    }
    const QColor verdict = QColor::fromHsv(level * 12, 200, 220);
    painter.fillRect(QRect(0, size.height - 22, size.width, 22), QColor(0, 0, 0, 0xB0));
    DrawText(painter, QRect(8, size.height - 22, size.width - 16, 22),
             level == 0 ? QStringLiteral("No reading") : QStringLiteral("Quality"), palette::kText,
             11, Qt::AlignLeft | Qt::AlignVCenter, true);
    DrawText(painter, QRect(8, size.height - 22, size.width - 16, 22),
             QStringLiteral("%1 %").arg(level * 10), verdict, 12, Qt::AlignRight | Qt::AlignVCenter,
             true);
    painter.setPen(palette::kWellEdge);
    painter.drawRect(image.rect().adjusted(0, 0, -1, -1));
    return image;
}

// One frame of the countdown animation: the mouse's path sweeping over the pad.
QImage CountdownPicture(int frame) {
    const auto& size = ui::layout::popup::kCountdownPictureSize;
    QImage image = NewPicture(QSize(size.width, size.height));
    QPainter painter(&image);
    painter.fillRect(image.rect(), palette::kWell);
    painter.setRenderHint(QPainter::Antialiasing, true);
    QPainterPath path;
    const double phase = frame * 2.0 * M_PI / 3.0;
    for (int x = 10; x <= size.width - 10; x += 2) {
        const double y = size.height / 2.0 + std::sin(x / 18.0 + phase) * (size.height / 3.0);
        x == 10 ? path.moveTo(x, y) : path.lineTo(x, y);
    }
    painter.setPen(QPen(QColor(0x4D, 0x82, 0xC3, 0x70), 2));
    painter.drawPath(path);
    const double headX = 30 + frame * (size.width - 60) / 2.0;
    const double headY = size.height / 2.0 + std::sin(headX / 18.0 + phase) * (size.height / 3.0);
    painter.setPen(QPen(palette::kTextBright, 1.5));
    painter.setBrush(palette::kAccentDark);
    painter.drawRoundedRect(QRectF(headX - 9, headY - 13, 18, 26), 8, 8);
    return image;
}

}  // namespace

bool WriteSurfacePictures(const QDir& folder) {
    bool written = true;
    for (int level = 0; level <= 10; ++level) {
        written =
            WriteImage(folder, QStringLiteral("%1.bmp").arg(level * 10), SurfacePicture(level)) &&
            written;
    }
    return written;
}

bool WriteCountdownPictures(const QDir& folder) {
    bool written = true;
    for (int frame = 0; frame < 3; ++frame) {
        written = WriteImage(folder, QStringLiteral("TQA2-%1.bmp").arg(frame + 1),
                             CountdownPicture(frame)) &&
                  written;
    }
    return written;
}

}  // namespace orvex::skingen
