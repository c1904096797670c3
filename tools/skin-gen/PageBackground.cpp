#include "PageBackground.h"

#include <QLinearGradient>

#include "Palette.h"

namespace orvex::skingen {

void DrawPageBackground(QPainter& painter) {
    const QRect page(QPoint(0, 0), PageSize());
    QLinearGradient gradient(page.topLeft(), page.bottomLeft());
    gradient.setColorAt(0.0, palette::kPanelTop);
    gradient.setColorAt(1.0, palette::kPanelBottom);
    painter.fillRect(page, gradient);
    // A faint diagonal sheen in the top right corner keeps the large dark area from looking flat.
    QLinearGradient sheen(page.topRight(), QPointF(page.width() * 0.55, page.height() * 0.6));
    sheen.setColorAt(0.0, QColor(0x4D, 0x82, 0xC3, 0x1C));
    sheen.setColorAt(1.0, QColor(0x4D, 0x82, 0xC3, 0));
    painter.fillRect(page, sheen);
}

}  // namespace orvex::skingen
