#include "ui/skin/CTavImageDialog.h"

#include <QPainter>

#include "ui/skin/NotificationCodes.h"
#include "ui/skin/SkinPainting.h"

namespace orvex::ui {

CTavImageDialog::CTavImageDialog(QWidget* parent, Qt::WindowFlags flags) : QDialog(parent, flags) {
    // QDialog turns a flag set without a window type into a dialog window; a page wants none.
    if ((flags & Qt::WindowType_Mask) == Qt::Widget) {
        setWindowFlags(flags);
    }
    setAutoFillBackground(true);
}

void CTavImageDialog::SetBackgroundImage(const QImage& image) {
    // QImage copies on write, so the dialog's image stays as it is whatever the caller does with
    // its own, and a shared skin image stays intact when the dialog gets another background.
    background_ = image;
    const bool hasBackground = !background_.isNull();
    setAutoFillBackground(!hasBackground);
    setAttribute(Qt::WA_OpaquePaintEvent, hasBackground);
    setAttribute(Qt::WA_NoSystemBackground, hasBackground);
    if (hasBackground) {
        resize(background_.size());
    }
    update();
}

void CTavImageDialog::ControlNotification(int code, int value) {
    if (code == kMenuHidingCode) {
        SendControlNotification(parentWidget(), code, value);
    }
}

void CTavImageDialog::paintEvent(QPaintEvent* event) {
    if (background_.isNull()) {
        QDialog::paintEvent(event);
        return;
    }
    QPainter painter(this);
    DrawImageScaled(painter, background_, rect());
}

}  // namespace orvex::ui
