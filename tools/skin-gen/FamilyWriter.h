#pragma once

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QSize>
#include <functional>
#include <span>

#include "ControlState.h"

namespace orvex::skingen {

// Paints one state's bitmap of a family: the same background every time, each control in the
// given state, so that the family's bitmaps stay in register.
using FamilyPainter = std::function<void(QPainter&, ControlState)>;

// A blank opaque picture of the given size.
QImage NewPicture(QSize size);

// Saves an image into the skin folder under its file name; false when it cannot be written.
bool WriteImage(const QDir& folder, const QString& fileName, const QImage& image);

// Writes "<stem>_Normal.bmp", "<stem>_Over.bmp", … for the states given.
bool WriteFamily(const QDir& folder, const QString& stem, QSize size,
                 std::span<const ControlState> states, const FamilyPainter& paint);

// The picture of one state, as WriteFamily draws it (for backgrounds made of the normal state).
QImage PaintState(QSize size, ControlState state, const FamilyPainter& paint);

}  // namespace orvex::skingen
