#include "ui/skin/CTavProgressCtrl.h"

#include <QPainter>

#include "ui/skin/SkinPainting.h"
#include "ui/skin/SliderGeometry.h"

namespace orvex::ui {

CTavProgressCtrl::CTavProgressCtrl(QWidget* parent) : QWidget(parent), SkinnedControl(this) {}

void CTavProgressCtrl::SetImages(const QImage& background, const QImage& fill) {
    background_ = background;
    fill_ = fill;
    update();
}

void CTavProgressCtrl::SetMinimum(int minimum) {
    minimum_ = minimum;
    update();
}

void CTavProgressCtrl::SetMaximum(int maximum) {
    maximum_ = maximum;
    update();
}

void CTavProgressCtrl::SetPos(int position) {
    position_ = position;
    update();
}

void CTavProgressCtrl::SetVertical(bool vertical) {
    vertical_ = vertical;
    update();
}

void CTavProgressCtrl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    DrawImageScaled(painter, background_, rect());
    if (fill_.isNull()) {
        return;
    }
    if (vertical_) {
        const int length = ProgressFillLength(height(), position_, minimum_, maximum_);
        if (length > 0) {
            painter.drawImage(QRect(0, height() - length, fill_.width(), length), fill_,
                              QRect(0, 0, width(), length));
        }
        return;
    }
    const int length = ProgressFillLength(width(), position_, minimum_, maximum_);
    if (length > 0) {
        painter.drawImage(QRect(0, 0, length, fill_.height()), fill_,
                          QRect(0, 0, length, height()));
    }
}

}  // namespace orvex::ui
