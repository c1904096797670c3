#include "ui/lighting/CColorPanel.h"

#include <QCursor>
#include <QMouseEvent>
#include <QPainter>

#include "ui/layout/ColorPanelLayout.h"
#include "ui/skin/ControlNotificationTarget.h"
#include "ui/skin/PopupWindow.h"
#include "ui/skin/SkinPainting.h"

namespace orvex::ui {
namespace {

namespace cp = layout::colorpanel;

constexpr QRect kCreatedRect(0, 0, 50, 50);

}  // namespace

CColorPanel::CColorPanel(QWidget* owner, int panelId)
    : QWidget(owner, kPopupWindowFlags), owner_(owner), panelId_(panelId) {
    SetUpPopupWindow(*this, QStringLiteral("panel"));
    setFocusPolicy(Qt::NoFocus);
    setGeometry(kCreatedRect);
    autoHideTimer_.setInterval(kAutoHideInterval);
    connect(&autoHideTimer_, &QTimer::timeout, this, &CColorPanel::CheckPointer);
    hide();
}

void CColorPanel::SetImage(const QImage& image) {
    image_ = image;
    update();
}

void CColorPanel::ShowAt(const QPoint& topLeft) {
    if (!image_.isNull()) {
        resize(image_.size());
    }
    move(topLeft);
    show();
    autoHideTimer_.start();
}

void CColorPanel::CheckPointer() {
    const QPoint pointer = QCursor::pos();
    if (frameGeometry().contains(pointer) || PointerOverOwner(pointer)) {
        return;
    }
    hide();
}

bool CColorPanel::PointerOverOwner(const QPoint& pointer) const {
    if (owner_ == nullptr || !owner_->isVisible()) {
        return false;
    }
    return QRect(owner_->mapToGlobal(QPoint(0, 0)), owner_->size()).contains(pointer);
}

std::optional<std::uint32_t> CColorPanel::ColourAt(const QPoint& point) {
    for (const cp::PanelCell& cell : cp::kCells) {
        if (cell.Rect().Contains(point.x(), point.y())) {
            return cell.colourBgr;
        }
    }
    return std::nullopt;
}

void CColorPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    DrawImageScaled(painter, image_, rect());
}

void CColorPanel::mousePressEvent(QMouseEvent* event) {
    QWidget::mousePressEvent(event);
    if (event->button() == Qt::LeftButton) {
        pressed_ = true;
        update();
    }
}

void CColorPanel::mouseReleaseEvent(QMouseEvent* event) {
    QWidget::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton) {
        return;
    }
    if (const std::optional<std::uint32_t> colour = ColourAt(event->position().toPoint())) {
        SendControlNotification(owner_.data(), panelId_, static_cast<int>(*colour));
        hide();
    }
    pressed_ = false;
}

void CColorPanel::hideEvent(QHideEvent* event) {
    autoHideTimer_.stop();
    QWidget::hideEvent(event);
}

}  // namespace orvex::ui
