#pragma once

#include <QByteArray>
#include <QImage>

namespace orvex::ui {

// Decodes an uncompressed 24-bit Windows bitmap, the form every skin bitmap is drawn in, to the
// same image Qt's reader gives. It uses no image plugin and no application object, so it runs on
// any thread and before the application starts. Anything else (another depth, compression, a
// PNG, a header that does not fit its data) gives a null image; the caller then asks Qt's reader.
QImage DecodePlainBitmap(const QByteArray& bytes);

}  // namespace orvex::ui
