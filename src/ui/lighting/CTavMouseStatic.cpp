#include "ui/lighting/CTavMouseStatic.h"

#include <QPainter>

#include "ui/layout/ColorSettingsLayout.h"
#include "ui/lighting/LightingAnimation.h"
#include "ui/skin/LayoutRectQt.h"
#include "ui/skin/SkinColours.h"
#include "ui/skin/SkinPainting.h"

namespace orvex::ui {
namespace {

namespace cs = layout::colorsettings;

constexpr std::uint32_t kOpaqueBlack = 0xFF000000;
constexpr std::uint32_t kRgbMask = 0x00FFFFFF;

// Where each colour of the pairs is drawn.
const std::array<QRect, CTavMouseStatic::kZoneCount> kZoneRects{ToQRect(cs::kPreviewWheelZone),
                                                                ToQRect(cs::kPreviewLogoZone)};

std::uint32_t WithAlpha(std::uint32_t argb, int alpha) {
    return (static_cast<std::uint32_t>(alpha & 0xFF) << 24) | (argb & kRgbMask);
}

}  // namespace

CTavMouseStatic::CTavMouseStatic(LightingAnimation& animation, QWidget* parent)
    : QWidget(parent), SkinnedControl(this), animation_(animation) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    connect(&effectTimer_, &QTimer::timeout, this, &CTavMouseStatic::TickEffect);
    colourShiftTimer_.setInterval(kColourShiftInterval);
    connect(&colourShiftTimer_, &QTimer::timeout, this, &CTavMouseStatic::TickColourShift);
}

void CTavMouseStatic::SetPicture(const QImage& picture) {
    picture_ = picture;
    update();
}

void CTavMouseStatic::SetShownColour(std::size_t zone, std::uint32_t argb) {
    shownColour_[zone] = argb;
    update();
}

void CTavMouseStatic::SetSavedColour(std::size_t zone, std::uint32_t argb) {
    savedColour_[zone] = argb;
}

void CTavMouseStatic::SaveShownColours() {
    savedColour_ = shownColour_;
}

void CTavMouseStatic::RestoreSavedColours() {
    shownColour_ = savedColour_;
    update();
}

void CTavMouseStatic::SetZoneLit(std::size_t zone, bool lit) {
    zoneLit_[zone] = lit;
    update();
}

void CTavMouseStatic::SetBothZonesLit(bool lit) {
    zoneLit_ = {lit, lit};
    update();
}

void CTavMouseStatic::SetAnimationMode(int mode) {
    effectTimer_.stop();
    pausedWhileHidden_.Forget(&effectTimer_);
    animationMode_ = mode;
    switch (mode) {
        case kSteady:
            SetColourAlpha(LightingAnimation::kFullAlpha);
            break;
        case kBlink:
            effectTimer_.start(kBlinkInterval);
            break;
        case kPulse:
        case kBreathe:
            effectTimer_.start(kFadeInterval);
            break;
        default:
            break;
    }
}

void CTavMouseStatic::SetColourAlpha(int alpha) {
    for (std::uint32_t& colour : shownColour_) {
        colour = WithAlpha(colour, alpha);
    }
    update();
}

void CTavMouseStatic::StartColourShiftTimer() {
    colourShiftTimer_.start();
}

void CTavMouseStatic::StopColourShiftTimer() {
    colourShiftTimer_.stop();
    pausedWhileHidden_.Forget(&colourShiftTimer_);
}

void CTavMouseStatic::TickEffect() {
    if (!isVisible()) {
        return;
    }
    int alpha = 0;
    switch (animationMode_) {
        case kSteady:
            effectTimer_.stop();
            return;
        case kBlink:
            alpha = animation_.Blink();
            break;
        case kPulse:
            alpha = animation_.Pulse();
            break;
        case kBreathe:
            alpha = animation_.Breathe();
            break;
        default:
            return;
    }
    SetColourAlpha(alpha);
}

void CTavMouseStatic::TickColourShift() {
    if (!isVisible()) {
        return;
    }
    const LightingAnimation::Rgb rgb = animation_.ShiftColour();
    const std::uint32_t colour =
        (shownColour_[kWheelZone] & ~kRgbMask) | (static_cast<std::uint32_t>(rgb.red) << 16) |
        (static_cast<std::uint32_t>(rgb.green) << 8) | static_cast<std::uint32_t>(rgb.blue);
    shownColour_ = {colour, colour};
    update();
}

QImage CTavMouseStatic::RenderFrame() const {
    QImage frame(size(), QImage::Format_ARGB32_Premultiplied);
    frame.fill(ColourFromArgb(kOpaqueBlack));
    QPainter painter(&frame);
    for (std::size_t zone = 0; zone < kZoneCount; ++zone) {
        if (zoneLit_[zone]) {
            // Over the black: a partly transparent colour comes out dimmed.
            painter.fillRect(kZoneRects[zone], ColourFromArgb(shownColour_[zone]));
        }
    }
    DrawImageScaled(painter, picture_, frame.rect());
    return frame;
}

void CTavMouseStatic::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, RenderFrame());
}

}  // namespace orvex::ui
