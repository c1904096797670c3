#include "ui/skin/CTavScrollCtrl.h"

#include <QEnterEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "ui/skin/SkinPainting.h"

namespace orvex::ui {
namespace {

QRect ToQRect(const EdgeRect& rect) {
    return QRect(rect.left, rect.top, rect.Width(), rect.Height());
}

ImageSize SizeOf(const QImage& image) {
    return {image.width(), image.height()};
}

}  // namespace

CTavScrollCtrl::CTavScrollCtrl(QWidget* parent) : QWidget(parent), SkinnedControl(this) {
    setMouseTracking(true);
}

void CTavScrollCtrl::SetImages(const QImage& background, const QImage& thumb,
                               const QImage& thumbPressed, const QImage& firstArrow,
                               const QImage& firstArrowPressed, const QImage& secondArrow,
                               const QImage& secondArrowPressed) {
    images_ = {background,        thumb,       thumbPressed,      firstArrow,
               firstArrowPressed, secondArrow, secondArrowPressed};
    LayOut();
    update();
}

void CTavScrollCtrl::LayOut() {
    layout_ = LayOutScrollBar(width(), height(), SizeOf(image(kFirstArrowImage)),
                              SizeOf(image(kSecondArrowImage)), SizeOf(image(kThumbImage)));
}

void CTavScrollCtrl::SetPos(int position) {
    position_ = std::clamp(position, minimum_, std::max(minimum_, maximum_));
    layout_.thumb = PlaceScrollThumb(layout_, position_, minimum_, maximum_);
    update();
    NotifyParent(position_);
}

void CTavScrollCtrl::PositionFromPointer(QPoint point) {
    const int previous = position_;
    position_ = ScrollPositionAt(layout_, point.x(), point.y(), minimum_, maximum_);
    layout_.thumb = PlaceScrollThumb(layout_, position_, minimum_, maximum_);
    // Compared with this bar's own position, so the first step of a drag is reported too and
    // two lists' bars never mask each other's reports.
    if (position_ != previous) {
        NotifyParent(position_);
    }
}

void CTavScrollCtrl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, true);
    DrawImageScaled(painter, image(kBackgroundImage), rect());
    DrawImageScaled(
        painter,
        image(pressedPart_ == kFirstArrowPart ? kFirstArrowPressedImage : kFirstArrowImage),
        ToQRect(layout_.firstArrow));
    DrawImageScaled(
        painter,
        image(pressedPart_ == kSecondArrowPart ? kSecondArrowPressedImage : kSecondArrowImage),
        ToQRect(layout_.secondArrow));
    DrawImageScaled(painter, image(pressedPart_ == kThumbPart ? kThumbPressedImage : kThumbImage),
                    ToQRect(layout_.thumb));
}

void CTavScrollCtrl::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // The list may size its bar after handing it the images.
    LayOut();
    layout_.thumb = PlaceScrollThumb(layout_, position_, minimum_, maximum_);
}

void CTavScrollCtrl::TrackPointer(bool inside, bool leftButtonDown) {
    if (pointer_.PointerMoved(inside, leftButtonDown) != PointerTracking::Change::None) {
        update();
    }
}

void CTavScrollCtrl::enterEvent(QEnterEvent* event) {
    QWidget::enterEvent(event);
    TrackPointer(true, QGuiApplication::mouseButtons() & Qt::LeftButton);
}

void CTavScrollCtrl::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    if (pointer_.PointerLeft() != PointerTracking::Change::None) {
        update();
    }
}

void CTavScrollCtrl::mousePressEvent(QMouseEvent* event) {
    QWidget::mousePressEvent(event);
    event->accept();
    if (event->button() != Qt::LeftButton) {
        return;
    }
    pointer_.ButtonPressed();
    const QPoint point = event->position().toPoint();
    pressedPart_ = ScrollBarPartAt(layout_, point.x(), point.y());
    if (layout_.track.Contains(point.x(), point.y())) {
        PositionFromPointer(point);
    }
    update();
}

void CTavScrollCtrl::mouseMoveEvent(QMouseEvent* event) {
    QWidget::mouseMoveEvent(event);
    event->accept();
    const QPoint point = event->position().toPoint();
    if (pointer_.state() == SkinState::Pressed && layout_.track.Contains(point.x(), point.y())) {
        PositionFromPointer(point);
        update();
    }
    TrackPointer(rect().contains(point), event->buttons() & Qt::LeftButton);
}

void CTavScrollCtrl::mouseReleaseEvent(QMouseEvent* event) {
    QWidget::mouseReleaseEvent(event);
    event->accept();
    if (event->button() != Qt::LeftButton) {
        return;
    }
    // A press that left the bar is abandoned: Qt still delivers the release here, but an arrow
    // let go of elsewhere must not jump.
    if (pointer_.tracking()) {
        const QPoint point = event->position().toPoint();
        if (layout_.track.Contains(point.x(), point.y())) {
            PositionFromPointer(point);
        }
        if (pressedPart_ == kFirstArrowPart || pressedPart_ == kSecondArrowPart) {
            const int end = pressedPart_ == kFirstArrowPart ? minimum_ : maximum_;
            NotifyParent(end);
            SetPos(end);
        }
    }
    pointer_.ButtonReleased();
    pressedPart_ = kNoPart;
    update();
}

}  // namespace orvex::ui
