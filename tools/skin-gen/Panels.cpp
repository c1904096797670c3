#include "Panels.h"

#include <QLinearGradient>

#include "Palette.h"

namespace orvex::skingen {

QFont SkinFont(int pixelSize, bool bold) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

void DrawWindowBackground(QPainter& painter, const QRect& rect) {
    QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
    gradient.setColorAt(0.0, palette::kWindowTop);
    gradient.setColorAt(1.0, palette::kWindowBottom);
    painter.fillRect(rect, gradient);
    painter.setPen(palette::kPanelEdge);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
}

void DrawPanel(QPainter& painter, const QRect& rect) {
    QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
    gradient.setColorAt(0.0, palette::kPanelTop);
    gradient.setColorAt(1.0, palette::kPanelBottom);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(palette::kPanelEdge, 1));
    painter.setBrush(gradient);
    painter.drawRoundedRect(QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
    painter.restore();
}

void DrawWell(QPainter& painter, const QRect& rect) {
    painter.fillRect(rect, palette::kWell);
    painter.setPen(palette::kWellEdge);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
}

void DrawText(QPainter& painter, const QRect& rect, const QString& text, const QColor& colour,
              int pixelSize, int flags, bool bold) {
    painter.save();
    painter.setFont(SkinFont(pixelSize, bold));
    painter.setPen(colour);
    painter.drawText(rect, flags, text);
    painter.restore();
}

void DrawCaption(QPainter& painter, const QRect& rect, const QString& text) {
    DrawText(painter, rect.adjusted(0, 0, 0, -3), text.toUpper(), palette::kAccentLight, 11,
             Qt::AlignLeft | Qt::AlignVCenter, true);
    QLinearGradient rule(rect.left(), 0, rect.right(), 0);
    rule.setColorAt(0.0, palette::kAccentDark);
    rule.setColorAt(1.0, QColor(0x25, 0x4D, 0x9D, 0));
    painter.fillRect(QRect(rect.left(), rect.bottom(), rect.width(), 1), rule);
}

void DrawTitleStrip(QPainter& painter, const QRect& rect, const QString& title) {
    QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
    gradient.setColorAt(0.0, QColor(0x22, 0x27, 0x31));
    gradient.setColorAt(1.0, QColor(0x16, 0x19, 0x1F));
    painter.fillRect(rect, gradient);
    painter.fillRect(QRect(rect.left(), rect.bottom(), rect.width(), 1), palette::kAccentDark);
    DrawText(painter, rect.adjusted(12, 0, 0, 0), title, palette::kText, 12,
             Qt::AlignLeft | Qt::AlignVCenter, true);
}

}  // namespace orvex::skingen
