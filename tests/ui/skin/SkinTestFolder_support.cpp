#include <QFile>

#include "ui/skin/SkinFiles.h"
#include "ui/skin/SkinTestFolder.h"

namespace orvex::ui::testing {
namespace {

QString FileName(std::string_view name) {
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

}  // namespace

SkinTestFolder::SkinTestFolder() {
    for (int slot = 0; slot < kSkinFileCount; ++slot) {
        WriteImage(kSkinFileNames[static_cast<std::size_t>(slot)], SlotPicture(slot));
    }
}

QString SkinTestFolder::FilePath(std::string_view fileName) const {
    return dir_.filePath(FileName(fileName));
}

QImage SkinTestFolder::SlotPicture(int slot) {
    const bool withAlpha = slot == kSlotMouse;
    QImage image(kImageSize, withAlpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            image.setPixel(x, y, qRgba(slot * 4, x, y, withAlpha ? 128 : 255));
        }
    }
    return image;
}

void SkinTestFolder::Remove(std::string_view fileName) const {
    QFile::remove(FilePath(fileName));
}

void SkinTestFolder::WriteBytes(std::string_view fileName, const QByteArray& bytes) const {
    QFile file(FilePath(fileName));
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        file.write(bytes);
    }
}

void SkinTestFolder::WriteImage(std::string_view fileName, const QImage& image) const {
    const QString path = FilePath(fileName);
    image.save(path, path.endsWith(QStringLiteral(".png")) ? "PNG" : "BMP");
}

}  // namespace orvex::ui::testing
