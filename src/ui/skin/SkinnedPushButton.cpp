#include "ui/skin/SkinnedPushButton.h"

#include <QEnterEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>

#include "ui/skin/SkinPainting.h"

namespace orvex::ui {

SkinnedPushButton::SkinnedPushButton(QWidget* parent)
    : QAbstractButton(parent), SkinnedControl(this) {
    setMouseTracking(true);
    connect(this, &QAbstractButton::clicked, this, [this] { NotifyParentClicked(); });
}

void SkinnedPushButton::SetChecked(bool checked) {
    if (checked_ == checked) {
        return;
    }
    checked_ = checked;
    update();
}

void SkinnedPushButton::SetText(const QString& text) {
    text_ = text;
    update();
}

void SkinnedPushButton::StoreImages(const QImage& normal, const QImage& hover,
                                    const QImage& pressed, const QImage& disabled) {
    images_ = {normal, hover, pressed, disabled};
    update();
}

QImage SkinnedPushButton::ImageToDraw() const {
    if (!isEnabled() && !image(SkinState::Disabled).isNull()) {
        return image(SkinState::Disabled);
    }
    if (checked_ && !image(SkinState::Pressed).isNull()) {
        return image(SkinState::Pressed);
    }
    switch (pointer_.state()) {
        case SkinState::Pressed:
        case SkinState::Normal:
        case SkinState::Hover:
            return image(pointer_.state());
        case SkinState::Disabled:
            break;
    }
    return {};
}

void SkinnedPushButton::PaintLabel(QPainter&) {}

void SkinnedPushButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, true);
    DrawImageScaled(painter, ImageToDraw(), rect());
    PaintLabel(painter);
}

void SkinnedPushButton::TrackPointer(bool inside, bool leftButtonDown) {
    const PointerTracking::Change change = pointer_.PointerMoved(inside, leftButtonDown);
    if (change == PointerTracking::Change::None) {
        return;
    }
    update();
    if (change == PointerTracking::Change::Entered) {
        PointerEntered();
    }
}

void SkinnedPushButton::enterEvent(QEnterEvent* event) {
    TrackPointer(true, QGuiApplication::mouseButtons() & Qt::LeftButton);
    QAbstractButton::enterEvent(event);
}

void SkinnedPushButton::leaveEvent(QEvent* event) {
    if (pointer_.PointerLeft() != PointerTracking::Change::None) {
        update();
    }
    QAbstractButton::leaveEvent(event);
}

void SkinnedPushButton::mouseMoveEvent(QMouseEvent* event) {
    TrackPointer(rect().contains(event->position().toPoint()), event->buttons() & Qt::LeftButton);
    QAbstractButton::mouseMoveEvent(event);
    // The move was the button's; the dialog behind it has no use for it.
    event->accept();
}

void SkinnedPushButton::mousePressEvent(QMouseEvent* event) {
    QAbstractButton::mousePressEvent(event);
    if (event->button() == Qt::LeftButton) {
        pointer_.ButtonPressed();
        update();
    }
}

void SkinnedPushButton::mouseReleaseEvent(QMouseEvent* event) {
    QAbstractButton::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton) {
        EndPress();
    }
}

void SkinnedPushButton::EndPress() {
    pointer_.ButtonReleased();
    pointer_.PointerLeft();
    update();
}

}  // namespace orvex::ui
