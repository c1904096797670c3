#pragma once

#include <QPainter>
#include <QRect>
#include <QString>

#include "ui/layout/LayoutRect.h"
#include "ui/skin/LayoutRectQt.h"

// Everything that is not a control: window backgrounds, section panels, captions, wells.
namespace orvex::skingen {

using ui::ToQRect;

// The whole window: a dark vertical gradient with a faint edge.
void DrawWindowBackground(QPainter& painter, const QRect& rect);
// A raised section behind a group of controls.
void DrawPanel(QPainter& painter, const QRect& rect);
// A sunken area that values or pictures sit in.
void DrawWell(QPainter& painter, const QRect& rect);
// A section heading: small bold capitals in the light accent with a fading rule beneath.
void DrawCaption(QPainter& painter, const QRect& rect, const QString& text);
// Plain text, left-aligned and vertically centred.
void DrawText(QPainter& painter, const QRect& rect, const QString& text, const QColor& colour,
              int pixelSize, int flags = Qt::AlignLeft | Qt::AlignVCenter, bool bold = false);
// The strip along the top of a dialog with its title.
void DrawTitleStrip(QPainter& painter, const QRect& rect, const QString& title);

}  // namespace orvex::skingen
