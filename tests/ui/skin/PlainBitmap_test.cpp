#include "ui/skin/PlainBitmap.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QtEndian>
#include <climits>
#include <functional>

namespace orvex::ui {
namespace {

// Header fields by their offset in the file.
constexpr int kPixelsOffsetAt = 10;
constexpr int kInfoSizeAt = 14;
constexpr int kWidthAt = 18;
constexpr int kHeightAt = 22;
constexpr int kPlanesAt = 26;
constexpr int kBitsAt = 28;
constexpr int kCompressionAt = 30;

QImage Gradient(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image.setPixel(x, y, qRgb(x * 40, y * 60, 200 - x - y));
        }
    }
    return image;
}

// The bitmap Qt's writer makes: 24 bits, rows bottom-up and padded to 32-bit words.
QByteArray QtBitmap(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

void Put32(QByteArray& bytes, int at, qint32 value) {
    qToLittleEndian(value, bytes.data() + at);
}

void Put16(QByteArray& bytes, int at, qint16 value) {
    qToLittleEndian(value, bytes.data() + at);
}

TEST(PlainBitmap, DecodesAsQtsReaderDoesForEveryRowPadding) {
    for (int width = 1; width <= 5; ++width) {
        for (int height : {1, 3}) {
            SCOPED_TRACE(testing::Message() << width << "x" << height);
            const QByteArray bytes = QtBitmap(Gradient(width, height));
            ASSERT_EQ(qFromLittleEndian<qint16>(bytes.constData() + kBitsAt), 24);
            const QImage decoded = DecodePlainBitmap(bytes);
            EXPECT_EQ(decoded, QImage::fromData(bytes, "BMP"));
            EXPECT_EQ(decoded, Gradient(width, height));
            EXPECT_EQ(decoded.format(), QImage::Format_RGB32);
        }
    }
}

TEST(PlainBitmap, TopDownRowsDecodeTheSamePicture) {
    const QImage picture = Gradient(3, 4);
    QByteArray bytes = QtBitmap(picture);
    const int offset = qFromLittleEndian<qint32>(bytes.constData() + kPixelsOffsetAt);
    const int rowBytes = 12;
    QByteArray rows = bytes.mid(offset);
    for (int row = 0; row < picture.height(); ++row) {
        bytes.replace(offset + row * rowBytes, rowBytes,
                      rows.mid((picture.height() - 1 - row) * rowBytes, rowBytes));
    }
    Put32(bytes, kHeightAt, -picture.height());
    EXPECT_EQ(DecodePlainBitmap(bytes), picture);
}

TEST(PlainBitmap, AnythingButAPlainBitmapThatFitsItsDataIsLeftToQtsReader) {
    const QByteArray good = QtBitmap(Gradient(5, 3));
    const struct {
        const char* name;
        std::function<void(QByteArray&)> spoil;
    } cases[] = {
        {"empty", [](QByteArray& b) { b.clear(); }},
        {"header only", [](QByteArray& b) { b.truncate(53); }},
        {"no BM", [](QByteArray& b) { b[0] = 'P'; }},
        {"small info header", [](QByteArray& b) { Put32(b, kInfoSizeAt, 12); }},
        {"two planes", [](QByteArray& b) { Put16(b, kPlanesAt, 2); }},
        {"32 bits", [](QByteArray& b) { Put16(b, kBitsAt, 32); }},
        {"8 bits", [](QByteArray& b) { Put16(b, kBitsAt, 8); }},
        {"compressed", [](QByteArray& b) { Put32(b, kCompressionAt, 1); }},
        {"zero width", [](QByteArray& b) { Put32(b, kWidthAt, 0); }},
        {"negative width", [](QByteArray& b) { Put32(b, kWidthAt, -5); }},
        {"zero height", [](QByteArray& b) { Put32(b, kHeightAt, 0); }},
        {"lowest height", [](QByteArray& b) { Put32(b, kHeightAt, INT_MIN); }},
        {"huge sides",
         [](QByteArray& b) {
             Put32(b, kWidthAt, 32768);
             Put32(b, kHeightAt, 32768);
         }},
        {"beyond the largest side", [](QByteArray& b) { Put32(b, kWidthAt, 32769); }},
        {"pixels inside the header", [](QByteArray& b) { Put32(b, kPixelsOffsetAt, 20); }},
        {"pixels beyond the file", [](QByteArray& b) { Put32(b, kPixelsOffsetAt, INT_MAX); }},
        {"last row one byte short", [](QByteArray& b) { b.chop(b.size() - 54 - 3 * 16 + 1); }},
    };
    ASSERT_FALSE(DecodePlainBitmap(good).isNull());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QByteArray bytes = good;
        c.spoil(bytes);
        EXPECT_TRUE(DecodePlainBitmap(bytes).isNull());
    }
}

}  // namespace
}  // namespace orvex::ui
