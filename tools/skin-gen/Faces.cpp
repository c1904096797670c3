#include "Faces.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainterPath>

#include "Palette.h"
#include "Panels.h"

namespace orvex::skingen {
namespace {

struct FaceColours {
    QColor top;
    QColor bottom;
    QColor edge;
    QColor text;
};

FaceColours ColoursFor(SkinState state) {
    switch (state) {
        case SkinState::Hover:
            return {palette::kHoverTop, palette::kHoverBottom, palette::kAccentLight,
                    palette::kTextBright};
        case SkinState::Pressed:
            return {palette::kDownTop, palette::kDownBottom, palette::kAccentLight,
                    palette::kAccentLight};
        case SkinState::Disabled:
            return {palette::kDisabledFace, palette::kDisabledFace, palette::kDisabledEdge,
                    palette::kTextDisabled};
        case SkinState::Normal:
            break;
    }
    return {palette::kFaceTop, palette::kFaceBottom, palette::kFaceEdge, palette::kText};
}

void FillFace(QPainter& painter, const QRect& rect, const FaceColours& colours, qreal radius) {
    QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
    gradient.setColorAt(0.0, colours.top);
    gradient.setColorAt(1.0, colours.bottom);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(colours.edge, 1));
    painter.setBrush(gradient);
    painter.drawRoundedRect(QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    painter.restore();
}

// Labels shrink until they fit, so a long label never runs over its face.
int FittingSize(const QString& label, const QRect& rect, int pixelSize, bool bold, int margin = 6) {
    while (pixelSize > 8 && QFontMetrics(SkinFont(pixelSize, bold)).horizontalAdvance(label) >
                                rect.width() - margin) {
        --pixelSize;
    }
    return pixelSize;
}

QColor LabelColour(SkinState state) {
    switch (state) {
        case SkinState::Hover:
            return palette::kTextBright;
        case SkinState::Pressed:
            return palette::kAccentLight;
        case SkinState::Disabled:
            return palette::kTextDisabled;
        case SkinState::Normal:
            break;
    }
    return palette::kText;
}

}  // namespace

void DrawButtonFace(QPainter& painter, const QRect& rect, SkinState state, const QString& label,
                    int pixelSize) {
    const FaceColours colours = ColoursFor(state);
    FillFace(painter, rect, colours, 3);
    if (state == SkinState::Pressed && rect.height() >= 20) {
        painter.fillRect(QRect(rect.left() + 3, rect.bottom() - 2, rect.width() - 6, 2),
                         palette::kAccentDark);
    }
    if (!label.isEmpty()) {
        const int size = FittingSize(label, rect, pixelSize, true);
        DrawText(painter, rect, label, colours.text, size, Qt::AlignCenter, true);
    }
}

void DrawTabFace(QPainter& painter, const QRect& rect, SkinState state, const QString& label) {
    FaceColours colours = ColoursFor(state);
    if (state == SkinState::Normal) {
        colours.top = QColor(0x1D, 0x20, 0x27);
        colours.bottom = QColor(0x15, 0x17, 0x1C);
        colours.edge = QColor(0x2A, 0x2E, 0x37);
    }
    FillFace(painter, rect, colours, 3);
    if (state == SkinState::Pressed || state == SkinState::Hover) {
        const QColor bar =
            state == SkinState::Pressed ? palette::kAccentLight : palette::kAccentDark;
        painter.fillRect(QRect(rect.left() + 2, rect.bottom() - 2, rect.width() - 4, 3), bar);
    }
    const int size = FittingSize(label, rect, 12, true);
    DrawText(painter, rect.adjusted(0, -1, 0, -1), label, colours.text, size, Qt::AlignCenter,
             true);
}

void DrawRadioFace(QPainter& painter, const QRect& rect, SkinState state, const QString& label) {
    const int diameter = std::min(12, rect.height() - 6);
    const QRectF mark(rect.left() + 3.5, rect.center().y() - diameter / 2.0 + 0.5, diameter,
                      diameter);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    if (state == SkinState::Hover) {
        painter.fillRect(rect, QColor(0x4D, 0x82, 0xC3, 0x26));
    }
    painter.setPen(QPen(state == SkinState::Disabled ? palette::kDisabledEdge
                        : state == SkinState::Normal ? palette::kFaceEdge
                                                     : palette::kAccentLight,
                        1.2));
    painter.setBrush(palette::kWell);
    painter.drawEllipse(mark);
    if (state == SkinState::Pressed) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(palette::kAccentLight);
        painter.drawEllipse(mark.adjusted(3, 3, -3, -3));
    }
    painter.restore();
    const QRect text = rect.adjusted(diameter + 9, 0, 0, 0);
    DrawText(painter, text, label, LabelColour(state), FittingSize(label, text, 12, false, 1));
}

void DrawCheckFace(QPainter& painter, const QRect& rect, SkinState state, const QString& label,
                   bool fixedOn) {
    const int side = std::min(12, rect.height() - 4);
    const QRectF box(rect.left() + 3.5, rect.center().y() - side / 2.0 + 0.5, side, side);
    const bool checked = state == SkinState::Pressed || fixedOn;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    if (state == SkinState::Hover) {
        painter.fillRect(rect, QColor(0x4D, 0x82, 0xC3, 0x26));
    }
    const bool dim = state == SkinState::Disabled;
    painter.setPen(QPen(dim                          ? palette::kDisabledEdge
                        : state == SkinState::Normal ? palette::kFaceEdge
                                                     : palette::kAccentLight,
                        1.2));
    painter.setBrush(checked ? (dim ? QColor(0x2A, 0x33, 0x44) : palette::kAccentDark)
                             : palette::kWell);
    painter.drawRoundedRect(box, 2, 2);
    if (checked) {
        QPainterPath tick;
        tick.moveTo(box.left() + side * 0.22, box.top() + side * 0.52);
        tick.lineTo(box.left() + side * 0.42, box.top() + side * 0.74);
        tick.lineTo(box.left() + side * 0.80, box.top() + side * 0.28);
        painter.setPen(QPen(dim ? palette::kTextDim : palette::kTextBright, 1.8, Qt::SolidLine,
                            Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(tick);
    }
    painter.restore();
    if (!label.isEmpty()) {
        const QRect text = rect.adjusted(side + 9, 0, 0, 0);
        DrawText(painter, text, label, LabelColour(state), FittingSize(label, text, 12, false, 1));
    }
}

void DrawComboFace(QPainter& painter, const QRect& rect, SkinState state) {
    FaceColours colours = ColoursFor(state);
    if (state == SkinState::Normal) {
        colours.top = QColor(0x16, 0x18, 0x1D);
        colours.bottom = QColor(0x10, 0x12, 0x16);
    }
    FillFace(painter, rect, colours, 3);
    // Narrow buttons are all arrow; wider ones keep the arrow in a zone of its own on the right.
    const bool narrow = rect.width() < 48;
    const QRect zone =
        narrow ? rect : QRect(rect.right() - 19, rect.top() + 4, 17, rect.height() - 8);
    if (!narrow) {
        painter.fillRect(QRect(zone.left() - 1, zone.top(), 1, zone.height()), colours.edge);
    }
    QPainterPath arrow;
    const QPointF c = QRectF(zone).center();
    arrow.moveTo(c.x() - 4, c.y() - 2);
    arrow.lineTo(c.x() + 4, c.y() - 2);
    arrow.lineTo(c.x(), c.y() + 3);
    arrow.closeSubpath();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    painter.setBrush(state == SkinState::Normal ? palette::kAccentLight : colours.text);
    painter.drawPath(arrow);
    painter.restore();
}

void DrawCloseFace(QPainter& painter, const QRect& rect, SkinState state) {
    if (state == SkinState::Hover) {
        painter.fillRect(rect, palette::kDanger);
    } else if (state == SkinState::Pressed) {
        painter.fillRect(rect, QColor(0x8E, 0x24, 0x24));
    }
    const QPointF c = QRectF(rect).center();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(state == SkinState::Normal ? palette::kText : palette::kTextBright, 1.6,
                        Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(c.x() - 4, c.y() - 4), QPointF(c.x() + 4, c.y() + 4));
    painter.drawLine(QPointF(c.x() - 4, c.y() + 4), QPointF(c.x() + 4, c.y() - 4));
    painter.restore();
}

void DrawSliderTrack(QPainter& painter, const QRect& rect, SkinState state, int ticks) {
    const bool dim = state == SkinState::Disabled;
    const QRect groove(rect.left() + 2, rect.center().y() - 2, rect.width() - 4, 5);
    painter.fillRect(groove, palette::kWell);
    painter.setPen(dim ? palette::kDisabledEdge : palette::kWellEdge);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(groove.adjusted(0, 0, -1, -1));
    if (!dim) {
        QLinearGradient glow(groove.left(), 0, groove.right(), 0);
        glow.setColorAt(0.0, palette::kAccentDark);
        glow.setColorAt(1.0, palette::kAccentLight);
        painter.fillRect(groove.adjusted(1, 2, -1, -2), glow);
    }
    for (int i = 0; i < ticks; ++i) {
        const int x = rect.left() + 7 + (rect.width() - 15) * i / std::max(1, ticks - 1);
        painter.fillRect(QRect(x, rect.bottom() - 3, 1, 3),
                         dim ? palette::kDisabledEdge : palette::kTextDim);
    }
}

void DrawEditField(QPainter& painter, const QRect& rect, SkinState state) {
    painter.fillRect(rect, palette::kWell);
    painter.setPen(state == SkinState::Hover     ? palette::kAccentLight
                   : state == SkinState::Pressed ? palette::kAccentDark
                                                 : palette::kWellEdge);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
}

void DrawBadge(QPainter& painter, const QRect& rect, SkinState state, const QString& label) {
    FaceColours colours = ColoursFor(state);
    if (state == SkinState::Normal) {
        colours.top = palette::kAccentDark;
        colours.bottom = QColor(0x1B, 0x39, 0x75);
        colours.edge = palette::kAccentLight;
        colours.text = palette::kTextBright;
    }
    FillFace(painter, rect, colours, rect.height() / 2.0);
    DrawText(painter, rect, label, colours.text, 11, Qt::AlignCenter, true);
}

namespace {

void DrawCellEdge(QPainter& painter, const QRect& rect, SkinState state) {
    const QColor edge = state == SkinState::Hover     ? palette::kTextBright
                        : state == SkinState::Pressed ? palette::kAccentLight
                                                      : QColor(0, 0, 0);
    painter.setPen(edge);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
    if (state == SkinState::Pressed) {
        painter.drawRect(rect.adjusted(1, 1, -2, -2));
    }
}

QColor DimmedWhenDisabled(const QColor& colour, SkinState state) {
    if (state != SkinState::Disabled) {
        return colour;
    }
    return QColor::fromHsv(colour.hsvHue(), colour.hsvSaturation() / 3, colour.value() / 3);
}

}  // namespace

void DrawColourCell(QPainter& painter, const QRect& rect, SkinState state, const QColor& colour) {
    painter.fillRect(rect, DimmedWhenDisabled(colour, state));
    DrawCellEdge(painter, rect, state);
}

void DrawPaletteSwatch(QPainter& painter, const QRect& rect, SkinState state) {
    const int halfWidth = rect.width() / 2;
    const int halfHeight = rect.height() / 2;
    const QColor quarters[] = {QColor(0xFF, 0x00, 0x00), QColor(0xFF, 0xFF, 0x00),
                               QColor(0x00, 0xFF, 0x00), QColor(0x3C, 0x64, 0xFF)};
    for (int quarter = 0; quarter < 4; ++quarter) {
        const int column = quarter % 2;
        const int row = quarter / 2;
        const QRect part(rect.x() + column * halfWidth, rect.y() + row * halfHeight,
                         column == 0 ? halfWidth : rect.width() - halfWidth,
                         row == 0 ? halfHeight : rect.height() - halfHeight);
        painter.fillRect(part, DimmedWhenDisabled(quarters[quarter], state));
    }
    DrawCellEdge(painter, rect, state);
}

}  // namespace orvex::skingen
