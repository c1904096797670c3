#pragma once

#include <QColor>
#include <QPainter>
#include <QRect>
#include <QString>

#include "ui/layout/SkinState.h"

// The state faces of the controls, each drawn into the control's rectangle so that the family's
// bitmaps stay in register.
namespace orvex::skingen {

using ui::SkinState;

// A push button with its label in the picture. Pressed doubles as "selected" for buttons that act
// as radios (tabs, slots, ON/OFF/Select).
void DrawButtonFace(QPainter& painter, const QRect& rect, SkinState state, const QString& label,
                    int pixelSize = 12);
// A page tab: flat, with an accent bar under the selected one.
void DrawTabFace(QPainter& painter, const QRect& rect, SkinState state, const QString& label);
// A radio entry: a round mark and its label; Pressed is the chosen entry.
void DrawRadioFace(QPainter& painter, const QRect& rect, SkinState state, const QString& label);
// A check box and its label; Pressed is the checked look. `fixedOn` shows a disabled entry that
// is always on.
void DrawCheckFace(QPainter& painter, const QRect& rect, SkinState state, const QString& label,
                   bool fixedOn = false);
// A drop-down button: the control writes its own text on the left, so only the arrow is drawn.
void DrawComboFace(QPainter& painter, const QRect& rect, SkinState state);
// The title strip's close cross.
void DrawCloseFace(QPainter& painter, const QRect& rect, SkinState state);
// A slider's groove (the control draws the thumb).
void DrawSliderTrack(QPainter& painter, const QRect& rect, SkinState state, int ticks = 0);
// An edit box's field.
void DrawEditField(QPainter& painter, const QRect& rect, SkinState state);
// A small numbered badge.
void DrawBadge(QPainter& painter, const QRect& rect, SkinState state, const QString& label);
// A colour cell or swatch.
void DrawColourCell(QPainter& painter, const QRect& rect, SkinState state, const QColor& colour);
// A swatch that opens a choice of colours: four colours in its quarters, since the zone's own
// colour is shown elsewhere and changes.
void DrawPaletteSwatch(QPainter& painter, const QRect& rect, SkinState state);

}  // namespace orvex::skingen
