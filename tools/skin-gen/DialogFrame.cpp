#include "DialogFrame.h"

#include "Palette.h"
#include "Panels.h"

namespace orvex::skingen {

void DrawDialogFrame(QPainter& painter, QSize size, const QString& title, int titleHeight) {
    const QRect whole(QPoint(0, 0), size);
    DrawWindowBackground(painter, whole);
    DrawTitleStrip(painter, QRect(0, 0, size.width(), titleHeight), title);
    painter.setPen(palette::kAccentDark);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(whole.adjusted(0, 0, -1, -1));
}

}  // namespace orvex::skingen
