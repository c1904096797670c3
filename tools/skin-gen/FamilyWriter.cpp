#include "FamilyWriter.h"

namespace orvex::skingen {
namespace {

QString Latin1(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

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

QImage PaintState(QSize size, SkinState state, const FamilyPainter& paint) {
    QImage image = NewPicture(size);
    QPainter painter(&image);
    paint(painter, state);
    return image;
}

bool WriteFamily(const QDir& folder, SkinFamily family, QSize size, const FamilyPainter& paint) {
    const QString stem = Latin1(ui::FamilyStem(family));
    bool written = true;
    for (const SkinState state : ui::FamilyStates(family)) {
        const QString name =
            stem + QLatin1Char('_') + Latin1(ui::StateFileSuffix(state)) + QStringLiteral(".bmp");
        written = WriteImage(folder, name, PaintState(size, state, paint)) && written;
    }
    return written;
}

}  // namespace orvex::skingen
