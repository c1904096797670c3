#pragma once

#include <QImage>

#include "ui/skin/SkinTestFolder.h"

namespace orvex::ui::testing {

// A small image cut from a skin slot's test picture. Its red channel names the slot (slot × 4)
// wherever it is drawn, however it is scaled; green and blue give the source pixel.
inline QImage SlotPiece(int slot, int width, int height) {
    return SkinTestFolder::SlotPicture(slot).copy(0, 0, width, height);
}

// Which slot's picture a pixel of a grabbed control came from.
inline int SlotAt(const QImage& shot, int x, int y) {
    return qRed(shot.pixel(x, y)) / 4;
}

}  // namespace orvex::ui::testing
