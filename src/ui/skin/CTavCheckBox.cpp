#include "ui/skin/CTavCheckBox.h"

#include <QMouseEvent>

namespace orvex::ui {

void CTavCheckBox::SetImages(const QImage& normal, const QImage& hover, const QImage& checked,
                             const QImage& disabled) {
    StoreImages(normal, hover, checked, disabled);
}

void CTavCheckBox::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        // Leaving the box while the button is down cleared the held flag: that release does not
        // toggle.
        if (buttonHeld()) {
            SetChecked(!IsChecked());
        }
        EndPress();
    }
    QAbstractButton::mouseReleaseEvent(event);
}

}  // namespace orvex::ui
