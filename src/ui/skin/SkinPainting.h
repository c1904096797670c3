#pragma once

#include <QColor>

class QFont;
class QImage;
class QPainter;
class QRect;
class QString;

namespace orvex::ui {

// Draws an image stretched over the whole rectangle from its top-left corner, smoothly scaled.
// A null image draws nothing.
void DrawImageScaled(QPainter& painter, const QImage& image, const QRect& rect);

// The text of every skinned control: one line, no clipping, no background. Centring uses the
// text's measured size, integer division rounding toward zero; without centring the text's top
// left corner is the rectangle's. With a null font the painter's current font is used.
void DrawLabel(QPainter& painter, const QString& text, const QColor& colour,
               bool centreHorizontally, bool centreVertically, const QRect& rect,
               const QFont* font);

}  // namespace orvex::ui
