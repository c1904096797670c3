#pragma once

#include <QColor>
#include <cstdint>

namespace orvex::ui {

// Controls keep their colours as ARGB, 0xAARRGGBB. Text is drawn opaque (alpha dropped), and some
// values, like the picked colours of the lighting page, travel in the 0x00BBGGRR order (red in the
// low byte) that files and the mouse use.

inline QColor ColourFromArgb(std::uint32_t argb) {
    return QColor::fromRgba(argb);
}

inline QColor TextColourFromArgb(std::uint32_t argb) {
    return QColor::fromRgb(argb & 0xFFFFFFu);
}

inline QColor ColourFromBgr(std::uint32_t bgr) {
    return QColor(static_cast<int>(bgr & 0xFFu), static_cast<int>((bgr >> 8) & 0xFFu),
                  static_cast<int>((bgr >> 16) & 0xFFu));
}

// The two directions between a control's ARGB and the 0x00BBGGRR of files and the mouse: red and
// blue swap places; alpha is dropped on the way out and made opaque on the way in.
constexpr std::uint32_t ArgbToBgr(std::uint32_t argb) {
    return ((argb & 0xFFu) << 16) | (argb & 0xFF00u) | ((argb >> 16) & 0xFFu);
}

constexpr std::uint32_t ArgbFromBgr(std::uint32_t bgr) {
    return 0xFF000000u | ArgbToBgr(bgr);
}

}  // namespace orvex::ui
