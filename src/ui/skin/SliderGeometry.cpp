#include "ui/skin/SliderGeometry.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace orvex::ui {
namespace {

constexpr int kIntMax = std::numeric_limits<int>::max();
constexpr int kIntMin = std::numeric_limits<int>::min();

// float -> int toward zero without undefined behaviour for values the int cannot hold.
int TruncateToInt(float value) {
    if (std::isnan(value)) {
        return 0;
    }
    if (value >= 2147483648.0f) {
        return kIntMax;
    }
    if (value <= -2147483648.0f) {
        return kIntMin;
    }
    return static_cast<int>(value);
}

int Saturate(std::int64_t value) {
    if (value > kIntMax) {
        return kIntMax;
    }
    if (value < kIntMin) {
        return kIntMin;
    }
    return static_cast<int>(value);
}

int ClampToRange(int value, int minimum, int maximum) {
    if (value < minimum) {
        return minimum;
    }
    if (value > maximum) {
        return maximum;
    }
    return value;
}

}  // namespace

int ValueFromOffset(int offset, int usableLength, int minimum, int maximum) {
    if (usableLength <= 0) {
        return minimum;
    }
    const auto range = static_cast<float>(std::int64_t{maximum} - minimum);
    // Single precision on purpose: a pointer position gives the value it always has, near-halves
    // included.
    const float v = static_cast<float>(offset) * range / static_cast<float>(usableLength) +
                    static_cast<float>(minimum);
    int n = TruncateToInt(v);
    if (v - static_cast<float>(n) >= 0.5f && n < kIntMax) {
        ++n;
    }
    return ClampToRange(n, minimum, maximum);
}

int SnapToStep(int value, int step) {
    if (step <= 0) {
        return value;
    }
    const int quotient = value / step;
    const int remainder = value % step;
    const std::int64_t multiple = remainder > step / 2 ? std::int64_t{quotient} + 1 : quotient;
    return Saturate(multiple * step);
}

float RangeFraction(int value, int minimum, int maximum) {
    if (maximum == minimum) {
        return 0.0f;
    }
    return static_cast<float>(std::int64_t{value} - minimum) /
           static_cast<float>(std::int64_t{maximum} - minimum);
}

int ScaledLength(int length, float fraction) {
    return TruncateToInt(static_cast<float>(length) * fraction);
}

int SliderValueAt(int x, int clientWidth, int thumbWidth, const SliderRange& range) {
    const int offset = x - thumbWidth / 2;
    const int usableLength = clientWidth - thumbWidth;
    return SnapToStep(ValueFromOffset(offset, usableLength, range.minimum, range.maximum),
                      range.step);
}

int SliderThumbCentre(int clientWidth, int thumbWidth, int value, int minimum, int maximum) {
    const float fraction = RangeFraction(value, minimum, maximum);
    return Saturate(std::int64_t{ScaledLength(clientWidth - thumbWidth, fraction)} +
                    thumbWidth / 2);
}

EdgeRect ThreeThumbRect(int centre, int thumbWidth, int thumbHeight, int thumb3Height,
                        int clientWidth) {
    EdgeRect rect;
    rect.left = centre - thumbWidth / 2;
    rect.top = (thumb3Height - thumbHeight) / 2;
    rect.right = rect.left + thumbWidth;
    rect.bottom = rect.top + thumbHeight;
    if (rect.left < 0) {
        rect.right -= rect.left;
        rect.left = 0;
    }
    if (rect.right > clientWidth) {
        rect.left -= rect.right - clientWidth;
        rect.right = clientWidth;
    }
    return rect;
}

int ThumbAt(const std::array<EdgeRect, 3>& thumbs, int x, int y) {
    for (std::size_t i = 0; i < thumbs.size(); ++i) {
        if (thumbs[i].Contains(x, y)) {
            return static_cast<int>(i) + 1;
        }
    }
    return 0;
}

int ProgressFillLength(int clientLength, int position, int minimum, int maximum) {
    if (maximum == minimum) {
        return 0;
    }
    const int length = ScaledLength(clientLength, RangeFraction(position, minimum, maximum));
    return ClampToRange(length, 0, clientLength < 0 ? 0 : clientLength);
}

}  // namespace orvex::ui
