#include "ui/lighting/ColourFieldText.h"

namespace orvex::ui {
namespace {

constexpr int kComponentMax = 255;

}  // namespace

int ColourFieldNumber(const QString& text) {
    int number = 0;
    for (const QChar character : text) {
        const char16_t code = character.unicode();
        if (code < u'0' || code > u'9') {
            break;
        }
        // Once past what a byte holds, the number only needs to stay that large.
        if (number <= kComponentMax) {
            number = number * 10 + (code - u'0');
        }
    }
    return number;
}

QString CorrectedColourFieldText(const QString& text) {
    QString corrected = text.size() > kColourFieldLength ? text.right(kColourFieldLength) : text;
    if (ColourFieldNumber(corrected) > kComponentMax) {
        corrected = QString::number(kComponentMax);
    }
    return corrected;
}

std::array<QString, 3> ColourFieldTexts(std::uint32_t argb) {
    return {QString::number((argb >> 16) & 0xFFu), QString::number((argb >> 8) & 0xFFu),
            QString::number(argb & 0xFFu)};
}

std::uint32_t ArgbFromColourFields(const std::array<QString, 3>& texts) {
    const auto byte = [&](std::size_t index) {
        return static_cast<std::uint32_t>(ColourFieldNumber(texts[index])) & 0xFFu;
    };
    return 0xFF000000u | (byte(0) << 16) | (byte(1) << 8) | byte(2);
}

}  // namespace orvex::ui
