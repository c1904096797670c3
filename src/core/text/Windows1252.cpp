#include "core/text/Windows1252.h"

#include <array>

namespace orvex {
namespace {

// The characters of bytes 0x80 ... 0x9F; 0 where the code page has a gap. Windows passes the five
// gap code points U+0081, U+008D, U+008F, U+0090 and U+009D through to the same bytes.
constexpr std::array<char16_t, 32> kHighControlRange{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr std::uint8_t kMissing = '?';

std::uint8_t EncodeUnit(char16_t unit) {
    if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF)) {
        return static_cast<std::uint8_t>(unit);
    }
    for (std::size_t i = 0; i < kHighControlRange.size(); ++i) {
        if (kHighControlRange[i] == unit) {
            return static_cast<std::uint8_t>(0x80 + i);
        }
    }
    return kMissing;
}

bool IsHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
bool IsLowSurrogate(char16_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

}  // namespace

std::vector<std::uint8_t> ToWindows1252(std::u16string_view text) {
    std::vector<std::uint8_t> bytes;
    bytes.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (IsHighSurrogate(text[i]) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
            ++i;
            bytes.push_back(kMissing);
            continue;
        }
        bytes.push_back(EncodeUnit(text[i]));
    }
    return bytes;
}

}  // namespace orvex
