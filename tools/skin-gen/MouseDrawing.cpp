#include "MouseDrawing.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include "Palette.h"

namespace orvex::skingen {
namespace {

QPainterPath ShellPath(const QRectF& body) {
    auto p = [&body](double fx, double fy) { return BodyPoint(body, fx, fy); };
    QPainterPath shell;
    shell.moveTo(p(0.5, 0.0));
    shell.cubicTo(p(0.82, 0.0), p(0.98, 0.1), p(0.99, 0.35));
    shell.cubicTo(p(1.0, 0.6), p(0.97, 0.85), p(0.78, 0.97));
    shell.cubicTo(p(0.66, 1.01), p(0.34, 1.01), p(0.22, 0.97));
    shell.cubicTo(p(0.03, 0.85), p(0.0, 0.6), p(0.01, 0.35));
    shell.cubicTo(p(0.02, 0.1), p(0.18, 0.0), p(0.5, 0.0));
    return shell;
}

void DrawSmallButton(QPainter& painter, const QRectF& rect) {
    QLinearGradient face(rect.topLeft(), rect.bottomLeft());
    face.setColorAt(0.0, QColor(0x3A, 0x40, 0x4C));
    face.setColorAt(1.0, QColor(0x24, 0x28, 0x30));
    painter.setPen(QPen(QColor(0x0A, 0x0B, 0x0E), 1));
    painter.setBrush(face);
    painter.drawRoundedRect(rect, 2.5, 2.5);
}

}  // namespace

QRectF FeatureRect(const QRectF& body, const MouseFeature& feature) {
    return QRectF(BodyPoint(body, feature.left, feature.top),
                  BodyPoint(body, feature.right, feature.bottom));
}

QPointF BodyPoint(const QRectF& body, double fx, double fy) {
    return QPointF(body.left() + fx * body.width(), body.top() + fy * body.height());
}

void DrawMouseBody(QPainter& painter, const QRectF& body) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    for (const MouseFeature& side : {kSideFront, kSideForward, kSideBack}) {
        DrawSmallButton(painter, FeatureRect(body, side));
    }
    const QPainterPath shell = ShellPath(body);
    QLinearGradient shade(body.topLeft(), body.topRight());
    shade.setColorAt(0.0, QColor(0x1E, 0x21, 0x28));
    shade.setColorAt(0.5, QColor(0x2C, 0x31, 0x3A));
    shade.setColorAt(1.0, QColor(0x17, 0x19, 0x1E));
    painter.setPen(QPen(QColor(0x48, 0x4F, 0x5C), 1.2));
    painter.setBrush(shade);
    painter.drawPath(shell);

    // The two main buttons end where the palm begins; the seam between them runs to the wheel.
    painter.setClipPath(shell);
    painter.setPen(QPen(QColor(0x0A, 0x0B, 0x0E), 1.6));
    painter.setBrush(Qt::NoBrush);
    QPainterPath rim;
    rim.moveTo(BodyPoint(body, 0.0, 0.45));
    rim.quadTo(BodyPoint(body, 0.5, 0.40), BodyPoint(body, 1.0, 0.45));
    painter.drawPath(rim);
    painter.drawLine(BodyPoint(body, 0.5, 0.0), BodyPoint(body, 0.5, 0.05));
    painter.setClipping(false);

    // Accent trim along the flanks, the look of the lit edges.
    painter.setPen(QPen(QColor(0x4D, 0x82, 0xC3, 0x90), 1.4));
    QPainterPath trim;
    trim.moveTo(BodyPoint(body, 0.06, 0.62));
    trim.quadTo(BodyPoint(body, 0.12, 0.9), BodyPoint(body, 0.3, 0.965));
    trim.moveTo(BodyPoint(body, 0.94, 0.62));
    trim.quadTo(BodyPoint(body, 0.88, 0.9), BodyPoint(body, 0.7, 0.965));
    painter.drawPath(trim);

    const QRectF wheel = FeatureRect(body, kWheel);
    painter.setPen(QPen(QColor(0x5A, 0x62, 0x70), 1.2));
    painter.setBrush(QColor(0x08, 0x09, 0x0B));
    painter.drawRoundedRect(wheel.adjusted(-2, -2, 2, 2), 5, 5);
    DrawSmallButton(painter, FeatureRect(body, kDpiUp));
    DrawSmallButton(painter, FeatureRect(body, kDpiDown));
    DrawSmallButton(painter, FeatureRect(body, kProfileButton));
    const QRectF logo = FeatureRect(body, kLogo);
    painter.setPen(QPen(QColor(0x5A, 0x62, 0x70), 1.2));
    painter.setBrush(QColor(0x08, 0x09, 0x0B));
    painter.drawRoundedRect(logo.adjusted(-2, -2, 2, 2), 6, 6);
    painter.restore();
}

}  // namespace orvex::skingen
