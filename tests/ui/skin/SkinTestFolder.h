#pragma once

#include <QColor>
#include <QImage>
#include <QSize>
#include <QString>
#include <QTemporaryDir>
#include <string_view>

namespace orvex::ui::testing {

// A temporary skin folder holding every skin file. Each slot's picture is a gradient that tells
// where a pixel came from: red = the slot number × 4, green = x, blue = y (alpha 255; the mouse
// picture, a PNG, has alpha 128 so that a lost alpha channel shows).
class SkinTestFolder {
  public:
    static constexpr QSize kImageSize{64, 48};

    SkinTestFolder();

    QString path() const { return dir_.path(); }
    QString FilePath(std::string_view fileName) const;

    static QImage SlotPicture(int slot);

    void Remove(std::string_view fileName) const;
    void WriteBytes(std::string_view fileName, const QByteArray& bytes) const;
    void WriteImage(std::string_view fileName, const QImage& image) const;

  private:
    QTemporaryDir dir_;
};

}  // namespace orvex::ui::testing
