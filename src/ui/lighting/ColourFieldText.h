#pragma once

#include <QString>
#include <array>
#include <cstdint>

namespace orvex::ui {

// The red, green and blue fields of the lighting page hold up to three decimal digits.
inline constexpr int kColourFieldLength = 3;

// The number of a field's text: its leading decimal digits, 0 when it starts with none.
int ColourFieldNumber(const QString& text);

// What the page's poll makes of a field's text: only the last three characters are kept, and a
// number of 256 or more becomes "255" ("1234" gives "234", "300" gives "255"). Anything else is
// left as it is.
QString CorrectedColourFieldText(const QString& text);

// The field texts of a colour ("%d" of each of its red, green and blue bytes) and the other way
// round (each field's number cut to its low 8 bits), as opaque ARGB.
std::array<QString, 3> ColourFieldTexts(std::uint32_t argb);
std::uint32_t ArgbFromColourFields(const std::array<QString, 3>& texts);

}  // namespace orvex::ui
