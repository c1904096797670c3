#pragma once

#include <array>
#include <cstdint>

namespace orvex::ui {

// What the lighting previews animate from, shared by every preview it is handed to: one effect
// counter with the breathing direction, and the three colour-cycle components with their
// directions. Effects and profiles come and go over the same state, so switching from breathing
// to pulsing carries on from where the breath was, and the colour cycle never restarts. The
// lighting page owns one for as long as it lives.
class LightingAnimation {
  public:
    static constexpr std::int32_t kStartCounter = 200;
    static constexpr int kFullAlpha = 255;

    struct Rgb {
        int red = 0;
        int green = 0;
        int blue = 0;
        bool operator==(const Rgb&) const = default;
    };

    // One tick of an effect; each gives the alpha the lit zones are drawn with.
    // Blink (every second): lit when the counter is odd, dark when even, then it counts on.
    int Blink();
    // Pulse (every 100 ms): counts on; dark on the 0th and 3rd tick of every 15.
    int Pulse();
    // Breathe (every 100 ms): 10 up or down, turning at 0 and 255; the alpha is the counter.
    int Breathe();

    // One tick of the colour cycle: each component turns at 0 and 255 and moves by its own step
    // (red 15, green 10, blue 5).
    Rgb ShiftColour();

    std::int32_t counter() const { return counter_; }
    bool breathingRising() const { return breathingRising_; }
    Rgb shiftedColour() const;

  private:
    struct Component {
        int value;
        bool rising;
        int step;
    };

    void CountOn();

    std::int32_t counter_ = kStartCounter;
    bool breathingRising_ = true;
    std::array<Component, 3> shift_{{{255, false, 15}, {125, true, 10}, {0, true, 5}}};
};

}  // namespace orvex::ui
