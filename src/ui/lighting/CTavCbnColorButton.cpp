#include "ui/lighting/CTavCbnColorButton.h"

#include <QMouseEvent>

#include "ui/lighting/CColorPanel.h"
#include "ui/skin/MenuIdAllocator.h"
#include "ui/skin/ScreenPlacement.h"

namespace orvex::ui {

CTavCbnColorButton::CTavCbnColorButton(QWidget* parent) : SkinnedPushButton(parent) {}

void CTavCbnColorButton::SetImages(const QImage& normal, const QImage& hover, const QImage& pressed,
                                   const QImage& panelImage) {
    StoreImages(normal, hover, pressed, QImage());
    if (panel_ == nullptr) {
        const int panelId =
            panelIds_ != nullptr ? panelIds_->Next() : MenuIdAllocator::kFirstMenuId;
        panel_ = new CColorPanel(this, panelId);
    }
    panel_->SetImage(panelImage);
}

void CTavCbnColorButton::ControlNotification(int code, int value) {
    if (panel_ == nullptr || code != panel_->panelId()) {
        return;
    }
    colour_ = static_cast<std::uint32_t>(value);
    update();
    NotifyParent(value);
}

void CTavCbnColorButton::mouseReleaseEvent(QMouseEvent* event) {
    // The pointer rules let go of the pointer when it leaves the button; a release off the
    // button belongs to whatever is under the pointer.
    const bool releasedOnButton = rect().contains(event->position().toPoint());
    SkinnedPushButton::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && releasedOnButton) {
        TogglePanel();
    }
}

void CTavCbnColorButton::TogglePanel() {
    if (panel_ == nullptr) {
        return;
    }
    if (panel_->isVisible()) {
        panel_->hide();
        return;
    }
    const QRect onScreen(mapToGlobal(QPoint(0, 0)), size());
    panel_->ShowAt(
        PanelTopLeft(onScreen, PanelSize(), AvailableScreenAreaAt(onScreen.bottomLeft())));
}

QSize CTavCbnColorButton::PanelSize() const {
    return panel_->image().isNull() ? panel_->size() : panel_->image().size();
}

QPoint CTavCbnColorButton::PanelTopLeft(const QRect& button, const QSize& panel,
                                        const std::optional<QRect>& available) {
    // The panel drops down from the button's bottom-left corner, as the menus do from theirs.
    const QRect wanted(QPoint(button.x(), button.y() + button.height()), panel);
    return available ? PlaceOnScreen(wanted, *available, button).topLeft() : wanted.topLeft();
}

void CTavCbnColorButton::hideEvent(QHideEvent* event) {
    if (panel_ != nullptr) {
        panel_->hide();
    }
    SkinnedPushButton::hideEvent(event);
}

}  // namespace orvex::ui
