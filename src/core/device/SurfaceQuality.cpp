#include "core/device/SurfaceQuality.h"

namespace orvex {

int SurfaceQualityLevel(std::uint8_t quality) {
    if (quality <= 1) {
        return 0;
    }
    if (quality <= 10) {
        return 1;
    }
    if (quality >= 51) {
        return 10;
    }
    // Levels 2..9 cover five readings each, from 11..15 up to 46..50.
    return (quality - 11) / 5 + 2;
}

}  // namespace orvex
