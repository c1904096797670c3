// Feeds arbitrary bytes to the skin's bitmap decoder: a skin file can be replaced by anything.
#include <QByteArray>
#include <QImage>
#include <cstddef>
#include <cstdint>

#include "ui/skin/PlainBitmap.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QImage image = orvex::ui::DecodePlainBitmap(bytes);
    // Three bytes of the file for every pixel: the file's size bounds the image.
    if (!image.isNull() &&
        static_cast<std::size_t>(image.width()) * static_cast<std::size_t>(image.height()) * 3 >
            size) {
        __builtin_trap();
    }
    return 0;
}
