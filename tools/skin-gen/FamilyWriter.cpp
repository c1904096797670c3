#include "FamilyWriter.h"

namespace orvex::skingen {

QImage NewPicture(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::black);
    return image;
}

bool WriteImage(const QDir& folder, const QString& fileName, const QImage& image) {
    const QString format =
        fileName.endsWith(QStringLiteral(".png")) ? QStringLiteral("PNG") : QStringLiteral("BMP");
    return image.save(folder.filePath(fileName), format.toLatin1().constData());
}

QImage PaintState(QSize size, ControlState state, const FamilyPainter& paint) {
    QImage image = NewPicture(size);
    QPainter painter(&image);
    paint(painter, state);
    return image;
}

bool WriteFamily(const QDir& folder, const QString& stem, QSize size,
                 std::span<const ControlState> states, const FamilyPainter& paint) {
    bool written = true;
    for (ControlState state : states) {
        const QString name =
            stem + QLatin1Char('_') + QLatin1String(StateSuffix(state)) + QStringLiteral(".bmp");
        written = WriteImage(folder, name, PaintState(size, state, paint)) && written;
    }
    return written;
}

}  // namespace orvex::skingen
