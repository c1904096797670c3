#include "ui/sensor/DefinedModeNumber.h"

#include <algorithm>

namespace orvex::ui {
namespace {

constexpr int kKeptDigits = 2;
constexpr int kKeptWithSign = 3;
// Far beyond anything three characters can say, and far from overflowing an int.
constexpr int kSaturation = 1'000'000;

const QString kMinus = QStringLiteral("-");

NumberFieldText Kept(const QString& text, int caret) {
    return {text, std::min(caret, static_cast<int>(text.size()))};
}

}  // namespace

NumberFieldText CheckDefinedModeText(const QString& text) {
    const bool negative = text.startsWith(kMinus);
    const int kept = negative ? kKeptWithSign : kKeptDigits;
    QString checked = text.left(kept);
    if (checked.size() > 1 && checked.startsWith(QLatin1Char('0'))) {
        checked.remove(0, 1);
    }
    const auto number = static_cast<std::int8_t>(LeadingDecimal(checked));
    if (number < -kDefinedModeLimit) {
        return Kept(QString::number(-kDefinedModeLimit), kKeptWithSign);
    }
    if (number > kDefinedModeLimit) {
        return Kept(QString::number(kDefinedModeLimit), kKeptDigits);
    }
    return Kept(checked, kept);
}

int LeadingDecimal(const QString& text) {
    qsizetype at = 0;
    bool negative = false;
    if (at < text.size() && (text[at] == QLatin1Char('-') || text[at] == QLatin1Char('+'))) {
        negative = text[at] == QLatin1Char('-');
        ++at;
    }
    int magnitude = 0;
    for (; at < text.size() && text[at] >= QLatin1Char('0') && text[at] <= QLatin1Char('9'); ++at) {
        magnitude = std::min(kSaturation, magnitude * 10 + (text[at].unicode() - u'0'));
    }
    return negative ? -magnitude : magnitude;
}

std::uint8_t DefinedModeByte(const QString& text) {
    return static_cast<std::uint8_t>(LeadingDecimal(text) & 0xFF);
}

QString DefinedModeText(std::uint8_t stored) {
    const int number = static_cast<std::int8_t>(stored);
    return QString::number(std::clamp(number, -kDefinedModeLimit, kDefinedModeLimit));
}

}  // namespace orvex::ui
