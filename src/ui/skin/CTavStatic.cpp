#include "ui/skin/CTavStatic.h"

#include <QMouseEvent>
#include <QPainter>

#include "ui/skin/NotificationCodes.h"
#include "ui/skin/SkinColours.h"
#include "ui/skin/SkinFonts.h"
#include "ui/skin/SkinPainting.h"

namespace orvex::ui {

CTavStatic::CTavStatic(QWidget* parent)
    : QWidget(parent), SkinnedControl(this), font_(MakeSkinFont(kArialFace, 15)) {
    // Every pixel is painted, starting from black.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CTavStatic::SetBackground(const QImage& image) {
    background_ = image;
    update();
}

void CTavStatic::AddImage(const QImage& image) {
    images_.append(image);
    update();
}

void CTavStatic::SetText(const QString& text) {
    if (texts_.isEmpty()) {
        texts_.append(text);
    } else {
        texts_[0] = text;
    }
    currentText_ = 0;
    update();
}

QString CTavStatic::CurrentText() const {
    if (currentText_ < 0 || currentText_ >= texts_.size()) {
        return {};
    }
    return texts_[currentText_];
}

void CTavStatic::SetCurrentImageIndex(int index) {
    currentImage_ = index;
    update();
}

void CTavStatic::SetCurrentTextIndex(int index) {
    currentText_ = index;
    update();
}

void CTavStatic::SetTextColour(std::uint32_t argb) {
    textColour_ = argb;
    update();
}

void CTavStatic::SetFillColour(std::uint32_t argb) {
    fillColour_ = argb;
    update();
}

void CTavStatic::SetCentreHorizontally(bool centre) {
    centreHorizontally_ = centre;
    update();
}

void CTavStatic::SetFontHeight(int height) {
    font_ = MakeSkinFont(kNeoSansFace, height);
    update();
}

void CTavStatic::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    painter.fillRect(rect(), ColourFromArgb(fillColour_));
    DrawImageScaled(painter, background_, rect());
    if (currentImage_ >= 0 && currentImage_ < images_.size()) {
        DrawImageScaled(painter, images_[currentImage_], rect());
    }
    if (currentText_ >= 0 && currentText_ < texts_.size()) {
        DrawLabel(painter, texts_[currentText_], TextColourFromArgb(textColour_),
                  centreHorizontally_, true, rect(), &font_);
    }
}

void CTavStatic::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        NotifyParent(kStaticDoubleClickedValue);
    }
    QWidget::mouseDoubleClickEvent(event);
}

}  // namespace orvex::ui
