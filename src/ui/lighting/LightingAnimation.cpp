#include "ui/lighting/LightingAnimation.h"

#include <algorithm>

namespace orvex::ui {
namespace {

constexpr int kPulsePeriod = 15;
constexpr int kBreathStep = 10;
constexpr int kComponentMax = 255;

}  // namespace

// A blinking preview left running for years wraps round rather than overflowing.
void LightingAnimation::CountOn() {
    counter_ = static_cast<std::int32_t>(static_cast<std::uint32_t>(counter_) + 1u);
}

int LightingAnimation::Blink() {
    const int alpha = counter_ % 2 != 0 ? kFullAlpha : 0;
    CountOn();
    return alpha;
}

int LightingAnimation::Pulse() {
    CountOn();
    const int phase = counter_ % kPulsePeriod;
    return phase == 0 || phase == 3 ? 0 : kFullAlpha;
}

int LightingAnimation::Breathe() {
    const std::int64_t next =
        static_cast<std::int64_t>(counter_) + (breathingRising_ ? kBreathStep : -kBreathStep);
    if (next >= kFullAlpha) {
        counter_ = kFullAlpha;
        breathingRising_ = false;
        return kFullAlpha;
    }
    if (next <= 0) {
        counter_ = 0;
        breathingRising_ = true;
        return 0;
    }
    counter_ = static_cast<std::int32_t>(next);
    return counter_;
}

LightingAnimation::Rgb LightingAnimation::ShiftColour() {
    for (Component& component : shift_) {
        if (component.value >= kComponentMax) {
            component.rising = false;
        } else if (component.value <= 0) {
            component.rising = true;
        }
        component.value += component.rising ? component.step : -component.step;
        component.value = std::clamp(component.value, 0, kComponentMax);
    }
    return shiftedColour();
}

LightingAnimation::Rgb LightingAnimation::shiftedColour() const {
    return Rgb{shift_[0].value, shift_[1].value, shift_[2].value};
}

}  // namespace orvex::ui
