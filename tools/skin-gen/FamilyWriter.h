#pragma once

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QSize>
#include <functional>

#include "ui/layout/SkinFamily.h"

namespace orvex::skingen {

using ui::SkinFamily;
using ui::SkinState;

// Paints one state's bitmap of a family: the same background every time, each control in the
// given state, so that the family's bitmaps stay in register.
using FamilyPainter = std::function<void(QPainter&, SkinState)>;

// A blank opaque picture of the given size.
QImage NewPicture(QSize size);

// Saves an image into the skin folder under its file name; false when it cannot be written.
bool WriteImage(const QDir& folder, const QString& fileName, const QImage& image);

// Writes the family's bitmaps, "<stem>_Normal.bmp", "<stem>_Over.bmp", … one for each of its
// states.
bool WriteFamily(const QDir& folder, SkinFamily family, QSize size, const FamilyPainter& paint);

// The picture of one state, as WriteFamily draws it (for backgrounds made of the normal state).
QImage PaintState(QSize size, SkinState state, const FamilyPainter& paint);

}  // namespace orvex::skingen
