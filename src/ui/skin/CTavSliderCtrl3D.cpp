#include "ui/skin/CTavSliderCtrl3D.h"

#include <QPainter>
#include <algorithm>

#include "ui/skin/SkinPainting.h"

namespace orvex::ui {
namespace {

// Each value text sits in a band this high under its thumb, reaching this far beyond its sides.
constexpr int kValueBandHeight = 20;
constexpr int kValueBandOverhang = 10;

QRect ToQRect(const EdgeRect& rect) {
    return QRect(rect.left, rect.top, rect.Width(), rect.Height());
}

}  // namespace

CTavSliderCtrl3D::CTavSliderCtrl3D(QWidget* parent) : SkinnedSlider(parent) {}

void CTavSliderCtrl3D::SetImages(const QImage& background, const QImage& thumb1,
                                 const QImage& thumb2, const QImage& thumb3) {
    background_ = background;
    thumbs_ = {thumb1, thumb2, thumb3};
    update();
}

void CTavSliderCtrl3D::SetPos1(int value, bool notify) {
    SetThumbPos(1, value, notify);
}

void CTavSliderCtrl3D::SetPos2(int value, bool notify) {
    SetThumbPos(2, value, notify);
}

void CTavSliderCtrl3D::SetPos3(int value, bool notify) {
    SetThumbPos(3, value, notify);
}

int CTavSliderCtrl3D::value(int thumb) const {
    return values_.at(Index(thumb));
}

int CTavSliderCtrl3D::lastNotifiedValue(int thumb) const {
    return lastNotified_.at(Index(thumb));
}

EdgeRect CTavSliderCtrl3D::ThumbRect(int thumb) const {
    // Every thumb travels as if it were as wide as thumb 1.
    const int centre = SliderThumbCentre(width(), thumbImage(1).width(), value(thumb),
                                         range().minimum, range().maximum);
    const QImage& image = thumbImage(thumb);
    return ThreeThumbRect(centre, image.width(), image.height(), thumbImage(3).height(), width());
}

void CTavSliderCtrl3D::SetThumbPos(int thumb, int value, bool notify) {
    const int clamped =
        std::clamp(value, range().minimum, std::max(range().minimum, range().maximum));
    if (clamped == lastNotified_[Index(thumb)]) {
        return;
    }
    values_[Index(thumb)] = clamped;
    lastNotified_[Index(thumb)] = clamped;
    update();
    if (notify) {
        NotifyParent(thumb * kThumbShift + clamped);
    }
}

void CTavSliderCtrl3D::DragStarted(QPoint point) {
    activeThumb_ = ThumbAt({ThumbRect(1), ThumbRect(2), ThumbRect(3)}, point.x(), point.y());
}

void CTavSliderCtrl3D::TakeValueFromPointer(int x) {
    if (activeThumb_ == 0) {
        return;
    }
    const std::size_t index = Index(activeThumb_);
    const int value = SliderValueAt(x, width(), thumbImage(activeThumb_).width(), range());
    values_[index] = value;
    if (value != lastNotified_[index]) {
        lastNotified_[index] = value;
        NotifyParent(activeThumb_ * kThumbShift + value);
    }
}

void CTavSliderCtrl3D::DragEnded() {
    activeThumb_ = 0;
}

void CTavSliderCtrl3D::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, true);
    DrawImageScaled(painter, background_, rect());
    // Thumb 1 last, on top: it is also the one a press in an overlap takes.
    for (int thumb = kThumbCount; thumb >= 1; --thumb) {
        DrawImageScaled(painter, thumbImage(thumb), ToQRect(ThumbRect(thumb)));
    }
    if (!showValue()) {
        return;
    }
    for (int thumb = 1; thumb <= kThumbCount; ++thumb) {
        const EdgeRect thumbRect = ThumbRect(thumb);
        const QRect band = QRect(thumbRect.left - kValueBandOverhang, thumbRect.bottom,
                                 thumbRect.Width() + 2 * kValueBandOverhang, kValueBandHeight)
                               .intersected(rect());
        if (band.isEmpty()) {
            continue;
        }
        DrawLabel(painter, QString::number(value(thumb)), TextColour(), true, false, band,
                  &labelFont());
    }
}

}  // namespace orvex::ui
