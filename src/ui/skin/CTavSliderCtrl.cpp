#include "ui/skin/CTavSliderCtrl.h"

#include <QPainter>
#include <algorithm>

#include "ui/skin/SkinPainting.h"

namespace orvex::ui {
namespace {

// The value text sits in a band this high under the thumb.
constexpr int kValueBandHeight = 20;

}  // namespace

CTavSliderCtrl::CTavSliderCtrl(QWidget* parent) : SkinnedSlider(parent) {}

void CTavSliderCtrl::SetImages(const QImage& background, const QImage& thumb,
                               const QImage& thumbHot, const QImage& thumbInert) {
    background_ = background;
    thumb_ = thumb;
    thumbHot_ = thumbHot;
    thumbInert_ = thumbInert;
    update();
}

void CTavSliderCtrl::SetPos(int value) {
    if (value == lastNotified_) {
        return;
    }
    value_ = value;
    lastNotified_ = value;
    update();
    NotifyParent(value);
}

int CTavSliderCtrl::ThumbCentre() const {
    return SliderThumbCentre(width(), thumb_.width(), value_, range().minimum, range().maximum);
}

QImage CTavSliderCtrl::ThumbImageToDraw() const {
    switch (state()) {
        case kInert:
            return thumbInert_;
        case SkinState::Normal:
            return thumb_;
        default:
            return thumbHot_;
    }
}

void CTavSliderCtrl::TakeValueFromPointer(int x) {
    value_ = SliderValueAt(x, width(), thumb_.width(), range());
    if (value_ != lastNotified_) {
        lastNotified_ = value_;
        NotifyParent(value_);
    }
}

void CTavSliderCtrl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, true);
    DrawImageScaled(painter, background_, rect());
    const int centre = ThumbCentre();
    const int thumbWidth = thumb_.width();
    const QRect thumbRect(centre - thumbWidth / 2, 0, thumbWidth, thumb_.height());
    DrawImageScaled(painter, ThumbImageToDraw(), thumbRect);
    if (showValue()) {
        const int left = std::max(0, centre - thumbWidth);
        const int right = std::min(width(), centre + thumbWidth);
        const QRect band(left, thumbRect.top() + thumbRect.height(), right - left,
                         kValueBandHeight);
        DrawLabel(painter, QString::number(value_), TextColour(), true, false, band, &labelFont());
    }
}

}  // namespace orvex::ui
