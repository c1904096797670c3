#include "ui/skin/PlainBitmap.h"

#include <cstdint>

namespace orvex::ui {
namespace {

constexpr qsizetype kFileHeaderBytes = 14;
constexpr qsizetype kInfoHeaderBytes = 40;
constexpr int kMaxSide = 32768;

std::uint32_t ReadU32(const uchar* at) {
    return static_cast<std::uint32_t>(at[0]) | static_cast<std::uint32_t>(at[1]) << 8U |
           static_cast<std::uint32_t>(at[2]) << 16U | static_cast<std::uint32_t>(at[3]) << 24U;
}

std::uint16_t ReadU16(const uchar* at) {
    return static_cast<std::uint16_t>(at[0] | at[1] << 8U);
}

// Where the rows are, once the header has been checked against the data it describes.
struct PlainLayout {
    int width = 0;
    int height = 0;
    bool bottomUp = true;
    qsizetype pixelsOffset = 0;
    qsizetype rowBytes = 0;
    int dotsPerMeterX = 0;
    int dotsPerMeterY = 0;
};

bool ReadLayout(const QByteArray& bytes, PlainLayout& layout) {
    const auto* data = reinterpret_cast<const uchar*>(bytes.constData());
    const qsizetype size = bytes.size();
    if (size < kFileHeaderBytes + kInfoHeaderBytes || data[0] != 'B' || data[1] != 'M') {
        return false;
    }
    const uchar* info = data + kFileHeaderBytes;
    const std::uint32_t infoBytes = ReadU32(info);
    const auto width = static_cast<std::int32_t>(ReadU32(info + 4));
    const auto height = static_cast<std::int32_t>(ReadU32(info + 8));
    const bool plain = infoBytes >= kInfoHeaderBytes && ReadU16(info + 12) == 1 &&
                       ReadU16(info + 14) == 24 && ReadU32(info + 16) == 0;
    if (!plain || width <= 0 || width > kMaxSide || height == 0 || height < -kMaxSide ||
        height > kMaxSide) {
        return false;
    }
    layout.width = width;
    layout.height = height < 0 ? -height : height;
    layout.bottomUp = height > 0;
    layout.pixelsOffset = static_cast<qsizetype>(ReadU32(data + 10));
    // Rows are padded to whole 32-bit words.
    layout.rowBytes = (static_cast<qsizetype>(width) * 3 + 3) & ~qsizetype{3};
    layout.dotsPerMeterX = static_cast<std::int32_t>(ReadU32(info + 24));
    layout.dotsPerMeterY = static_cast<std::int32_t>(ReadU32(info + 28));
    // The sides are bounded, so the product cannot overflow; the file's own size then bounds the
    // image that is allocated.
    return layout.pixelsOffset >= kFileHeaderBytes + static_cast<qsizetype>(infoBytes) &&
           layout.pixelsOffset <= size &&
           layout.rowBytes * layout.height <= size - layout.pixelsOffset;
}

}  // namespace

QImage DecodePlainBitmap(const QByteArray& bytes) {
    PlainLayout layout;
    if (!ReadLayout(bytes, layout)) {
        return {};
    }
    QImage image(layout.width, layout.height, QImage::Format_RGB32);
    if (image.isNull()) {
        return {};
    }
    const auto* pixels = reinterpret_cast<const uchar*>(bytes.constData()) + layout.pixelsOffset;
    for (int y = 0; y < layout.height; ++y) {
        const int sourceRow = layout.bottomUp ? layout.height - 1 - y : y;
        const uchar* from = pixels + layout.rowBytes * sourceRow;
        auto* to = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < layout.width; ++x, from += 3) {
            to[x] = qRgb(from[2], from[1], from[0]);
        }
    }
    if (layout.dotsPerMeterX > 0 && layout.dotsPerMeterY > 0) {
        image.setDotsPerMeterX(layout.dotsPerMeterX);
        image.setDotsPerMeterY(layout.dotsPerMeterY);
    }
    return image;
}

}  // namespace orvex::ui
