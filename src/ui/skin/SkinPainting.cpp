#include "ui/skin/SkinPainting.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QString>

namespace orvex::ui {

void DrawImageScaled(QPainter& painter, const QImage& image, const QRect& rect) {
    if (image.isNull()) {
        return;
    }
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.drawImage(rect, image);
    painter.restore();
}

void DrawLabel(QPainter& painter, const QString& text, const QColor& colour,
               bool centreHorizontally, bool centreVertically, const QRect& rect,
               const QFont* font) {
    painter.save();
    if (font != nullptr) {
        painter.setFont(*font);
    }
    painter.setPen(colour);
    painter.setBackgroundMode(Qt::TransparentMode);
    const QFontMetrics metrics = painter.fontMetrics();
    const int textWidth = metrics.horizontalAdvance(text);
    const int textHeight = metrics.height();
    // QRect::right() is one short of the edge; the layout rules work with the edge itself.
    const int right = rect.left() + rect.width();
    const int bottom = rect.top() + rect.height();
    int x = rect.left();
    int y = rect.top();
    if (centreHorizontally) {
        x += (right - textWidth - rect.left()) / 2;
    }
    if (centreVertically) {
        y += (bottom - textHeight - rect.top()) / 2;
    }
    painter.drawText(x, y + metrics.ascent(), text);
    painter.restore();
}

}  // namespace orvex::ui
