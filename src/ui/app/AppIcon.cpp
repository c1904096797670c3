#include "ui/app/AppIcon.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace orvex::ui {
namespace {

const QColor kShellTop(0x4a, 0x4f, 0x57);
const QColor kShellBottom(0x15, 0x17, 0x1a);
const QColor kOutline(0x08, 0x09, 0x0b);
const QColor kGlow(0xff, 0x5a, 0x1f);

// The mouse seen from above, in a 100 x 100 box: a narrow front, a wider palm rest.
QPainterPath ShellPath() {
    QPainterPath shell;
    shell.moveTo(50, 6);
    shell.cubicTo(72, 6, 80, 22, 81, 44);
    shell.cubicTo(82, 70, 76, 94, 50, 95);
    shell.cubicTo(24, 94, 18, 70, 19, 44);
    shell.cubicTo(20, 22, 28, 6, 50, 6);
    shell.closeSubpath();
    return shell;
}

}  // namespace

QImage AppIcon::Render(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    Paint(painter, size);
    return image;
}

void AppIcon::Paint(QPainter& painter, double size) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 100.0, size / 100.0);

    const QPainterPath shell = ShellPath();
    QLinearGradient body(0, 6, 0, 95);
    body.setColorAt(0, kShellTop);
    body.setColorAt(1, kShellBottom);
    painter.setPen(QPen(kOutline, 3));
    painter.setBrush(body);
    painter.drawPath(shell);

    // The seam between the two buttons, and a lit chevron on the palm rest.
    painter.setPen(QPen(kGlow, 3.5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(50, 10), QPointF(50, 28));
    painter.drawLine(QPointF(50, 46), QPointF(50, 52));
    painter.setPen(QPen(kGlow, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const QPointF chevron[] = {{34, 76}, {50, 64}, {66, 76}};
    painter.drawPolyline(chevron, 3);

    // The wheel.
    painter.setPen(Qt::NoPen);
    painter.setBrush(kGlow);
    painter.drawRoundedRect(QRectF(45.5, 27, 9, 20), 4.5, 4.5);
    painter.restore();
}

QIcon AppIcon::Make() {
    QIcon icon;
    for (const int size : kSizes) {
        icon.addPixmap(QPixmap::fromImage(Render(size)));
    }
    return icon;
}

}  // namespace orvex::ui
