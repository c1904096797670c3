#pragma once

#include <QImage>
#include <QTimer>
#include <QWidget>
#include <array>
#include <cstddef>
#include <cstdint>

#include "core/device/Clock.h"
#include "ui/pages/TimersPausedWhileHidden.h"
#include "ui/skin/SkinnedControl.h"

namespace orvex::ui {

class LightingAnimation;

// The lighting preview: the mouse picture over its two colourable lamp zones (the scroll wheel
// and the logo), lit in their colours and animated the way the mouse will show them: blinking,
// pulsing, breathing and cycling colours. It takes no input; the lighting page drives it.
//
// Colours are ARGB; the alpha byte of the shown colours carries the effect (0 leaves a zone
// black, 255 shows the full colour). The saved colours keep the user's colours while the colour
// cycle overwrites the shown ones.
//
// A hidden preview does not animate: its timers stop at their first tick off screen (the program
// in the tray stays asleep) and the animation goes on from where it stopped when it shows again.
class CTavMouseStatic : public QWidget, public SkinnedControl {
    Q_OBJECT

  public:
    enum AnimationMode : int { kSteady = 0, kBlink = 1, kPulse = 2, kBreathe = 3 };

    // The two colourable zones, as they index the colour pairs.
    static constexpr std::size_t kWheelZone = 0;
    static constexpr std::size_t kLogoZone = 1;
    static constexpr std::size_t kZoneCount = 2;

    // Transparent, so that nothing shows until the page gives the zones their colours.
    static constexpr std::uint32_t kInitialColour = 0x00A1FF22;
    static constexpr Milliseconds kBlinkInterval{1000};
    static constexpr Milliseconds kFadeInterval{100};  // pulse and breathe
    static constexpr Milliseconds kColourShiftInterval{100};

    // `animation` must outlive the preview.
    explicit CTavMouseStatic(LightingAnimation& animation, QWidget* parent = nullptr);

    // The mouse picture, drawn over the zones; transparent where the lamps are.
    void SetPicture(const QImage& picture);

    std::uint32_t shownColour(std::size_t zone) const { return shownColour_[zone]; }
    void SetShownColour(std::size_t zone, std::uint32_t argb);
    std::uint32_t savedColour(std::size_t zone) const { return savedColour_[zone]; }
    void SetSavedColour(std::size_t zone, std::uint32_t argb);
    // Both pairs at once: saved := shown, or shown := saved.
    void SaveShownColours();
    void RestoreSavedColours();

    bool zoneLit(std::size_t zone) const { return zoneLit_[zone]; }
    void SetZoneLit(std::size_t zone, bool lit);
    void SetBothZonesLit(bool lit);

    bool colourShift() const { return colourShift_; }
    void SetColourShift(bool on) { colourShift_ = on; }

    int animationMode() const { return animationMode_; }
    // Stops the effect timer, takes the mode, and starts the timer again for an animated mode
    // (every second for blinking, every 100 ms for pulsing and breathing). Steady shows the
    // zones at full strength; a mode outside 0 ... 3 animates nothing.
    void SetAnimationMode(int mode);
    // Replaces the alpha byte of both shown colours.
    void SetColourAlpha(int alpha);

    // The colour cycle's timer, which the page starts and stops with the cycle.
    void StartColourShiftTimer();
    void StopColourShiftTimer();

    // What the two timers run on each tick.
    void TickEffect();
    void TickColourShift();
    QTimer& effectTimer() { return effectTimer_; }
    QTimer& colourShiftTimer() { return colourShiftTimer_; }

    // The preview as it is drawn now: black, the lit zones in their colours, the picture on top.
    QImage RenderFrame() const;

  protected:
    // One block copy of a frame made off screen, so the zones never flicker through black.
    void paintEvent(QPaintEvent* event) override;

  private:
    LightingAnimation& animation_;
    QImage picture_;
    std::array<std::uint32_t, kZoneCount> shownColour_{kInitialColour, kInitialColour};
    std::array<std::uint32_t, kZoneCount> savedColour_{kInitialColour, kInitialColour};
    std::array<bool, kZoneCount> zoneLit_{true, true};
    int animationMode_ = kSteady;
    bool colourShift_ = false;
    QTimer effectTimer_;
    QTimer colourShiftTimer_;
    TimersPausedWhileHidden pausedWhileHidden_{*this, {&effectTimer_, &colourShiftTimer_}};
};

}  // namespace orvex::ui
