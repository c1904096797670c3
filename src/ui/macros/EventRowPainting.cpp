#include "ui/macros/EventRowPainting.h"

#include <QLine>
#include <QPainter>

#include "core/macros/CEventItem.h"
#include "core/macros/EventText.h"
#include "ui/macros/CBoxItem.h"
#include "ui/skin/SkinColours.h"
#include "ui/skin/SkinPainting.h"

namespace orvex::ui {
namespace {

constexpr std::uint32_t kMarkArgb = 0xFFBEBEBE;  // the press and release marks, in every row

constexpr int kTextStart = 17;
constexpr int kDelayStart = 122;
constexpr int kDelayEnd = 174;
constexpr int kNamelessDelayStart = 2;
constexpr int kNamelessDelayEnd = 54;

QColor RowColour(const CEventItem& event) {
    return ColourFromBgr(event.IsSelected() ? CBoxItem::kSelectedTextBgr
                                            : CBoxItem::kNormalTextBgr);
}

// Columns from the row's left edge, over the row's height.
QRect Column(int x, int top, int bottom, int from, int to) {
    return QRect(x + from, top, to - from, bottom - top);
}

void PaintMark(QPainter& painter, bool release, int x, int y, int b) {
    painter.setPen(ColourFromArgb(kMarkArgb));
    if (release) {
        painter.drawLine(QLine(x + 2, b - 6, x + 7, y + 6));
        painter.drawLine(QLine(x + 7, y + 6, x + 12, b - 6));
    } else {
        painter.drawLine(QLine(x + 2, y + 6, x + 7, b - 6));
        painter.drawLine(QLine(x + 7, b - 6, x + 12, y + 6));
    }
}

}  // namespace

void PaintEventRow(QPainter& painter, const CEventItem& event, const QFont& font) {
    const int x = event.rect.left;
    const int y = event.rect.top;
    const int b = event.rect.bottom;
    const QColor colour = RowColour(event);
    const EventRowText row = EventText(event.code, event.release);
    const QString text = QString::fromStdU16String(row.text);

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    bool named = true;
    if (row.isMouseEvent) {
        painter.setPen(colour);
        const int middle = (y + b) / 2;
        painter.drawLine(QLine(x + 2, middle, x + 12, middle));
    } else if (!text.isEmpty()) {
        PaintMark(painter, event.release != kEventPress, x, y, b);
    } else {
        named = false;
    }
    if (named) {
        DrawLabel(painter, text, colour, false, true, Column(x, y, b, kTextStart, kDelayStart),
                  &font);
    }
    const QRect delay = named ? Column(x, y, b, kDelayStart, kDelayEnd)
                              : Column(x, y, b, kNamelessDelayStart, kNamelessDelayEnd);
    DrawLabel(painter, QString::fromStdU16String(DelayText(event.delay)), colour, false, true,
              delay, &font);
    painter.restore();
}

}  // namespace orvex::ui
