#include "ui/skin/SkinnedSlider.h"

#include <QEnterEvent>
#include <QGuiApplication>
#include <QMouseEvent>

#include "ui/skin/SkinColours.h"
#include "ui/skin/SkinFonts.h"

namespace orvex::ui {

SkinnedSlider::SkinnedSlider(QWidget* parent)
    : QWidget(parent), SkinnedControl(this), font_(MakeSkinFont(kArialFace, 13)) {
    setMouseTracking(true);
}

void SkinnedSlider::SetMinimum(int minimum) {
    range_.minimum = minimum;
    update();
}

void SkinnedSlider::SetMaximum(int maximum) {
    range_.maximum = maximum;
    update();
}

void SkinnedSlider::SetStep(int step) {
    range_.step = step;
    update();
}

void SkinnedSlider::SetState(SkinState state) {
    pointer_.SetState(state);
    update();
}

void SkinnedSlider::SetShowValue(bool show) {
    showValue_ = show;
    update();
}

void SkinnedSlider::SetTextColour(std::uint32_t argb) {
    textColour_ = argb;
    update();
}

QColor SkinnedSlider::TextColour() const {
    return TextColourFromArgb(textColour_);
}

void SkinnedSlider::TrackPointer(bool inside, bool leftButtonDown) {
    if (pointer_.PointerMoved(inside, leftButtonDown) != PointerTracking::Change::None) {
        update();
    }
}

void SkinnedSlider::enterEvent(QEnterEvent* event) {
    QWidget::enterEvent(event);
    if (!IsInert()) {
        TrackPointer(true, QGuiApplication::mouseButtons() & Qt::LeftButton);
    }
}

void SkinnedSlider::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    if (!IsInert() && pointer_.PointerLeft() != PointerTracking::Change::None) {
        update();
    }
}

void SkinnedSlider::mousePressEvent(QMouseEvent* event) {
    QWidget::mousePressEvent(event);
    // Presses on a slider, inert or not, are the slider's: the page behind it never sees them.
    event->accept();
    if (event->button() != Qt::LeftButton || IsInert()) {
        return;
    }
    pointer_.ButtonPressed();
    pointer_.SetSavedState(SkinState::Pressed);
    const QPoint point = event->position().toPoint();
    DragStarted(point);
    TakeValueFromPointer(point.x());
    update();
}

void SkinnedSlider::mouseMoveEvent(QMouseEvent* event) {
    QWidget::mouseMoveEvent(event);
    event->accept();
    if (IsInert()) {
        return;
    }
    const QPoint point = event->position().toPoint();
    if (pointer_.state() == SkinState::Pressed) {
        TakeValueFromPointer(point.x());
        update();
    }
    TrackPointer(rect().contains(point), event->buttons() & Qt::LeftButton);
}

void SkinnedSlider::mouseReleaseEvent(QMouseEvent* event) {
    QWidget::mouseReleaseEvent(event);
    event->accept();
    if (event->button() != Qt::LeftButton || IsInert()) {
        return;
    }
    // A drag that left the slider stopped where the pointer went out: Qt still delivers the
    // release here, but it must not move the value to wherever the pointer is now.
    if (pointer_.tracking()) {
        TakeValueFromPointer(event->position().toPoint().x());
    }
    DragEnded();
    pointer_.ButtonReleased();
    pointer_.SetSavedState(SkinState::Normal);
    update();
}

}  // namespace orvex::ui
