#pragma once

#include <QString>
#include <cstdint>

namespace orvex::ui {

// The defined-mode number as the sensor page's field holds it: a short signed decimal text that
// the page keeps within ±kDefinedModeLimit while the user types.
inline constexpr int kDefinedModeLimit = 30;

struct NumberFieldText {
    QString text;
    int caret = 0;

    friend bool operator==(const NumberFieldText&, const NumberFieldText&) = default;
};

// One pass of the field's check: two characters are kept (three after a leading minus), a leading
// zero in front of another character goes, and a number beyond the limit becomes the limit. The
// caret is put behind what is kept, so typing always goes on at the end. Text that is not a whole
// number ("-", "5-") stays as typed.
NumberFieldText CheckDefinedModeText(const QString& text);

// The text read as a decimal integer as far as it forms one: an optional sign, then digits; 0 when
// it starts no number ("", "-", "x1"). Very long digit runs saturate instead of overflowing.
int LeadingDecimal(const QString& text);

// What a profile stores for the field's text: the number's low 8 bits (-7 is 0xF9; empty is 0).
std::uint8_t DefinedModeByte(const QString& text);

// How a profile's byte is shown: read as signed and brought within the limit, so a stored value the
// page could never have written shows as the nearest one it could, not as its first digits.
QString DefinedModeText(std::uint8_t stored);

}  // namespace orvex::ui
