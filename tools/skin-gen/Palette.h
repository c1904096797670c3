#pragma once

#include <QColor>
#include <QFont>

namespace orvex::skingen {

// One look for every family: near-black panels, the two accent blues of menus and checked texts,
// grey text.
namespace palette {
inline const QColor kWindowTop{0x1A, 0x1D, 0x23};
inline const QColor kWindowBottom{0x0B, 0x0C, 0x0F};
inline const QColor kPanelTop{0x1C, 0x20, 0x27};
inline const QColor kPanelBottom{0x13, 0x15, 0x1A};
inline const QColor kPanelEdge{0x2C, 0x31, 0x3B};
inline const QColor kWell{0x0A, 0x0B, 0x0E};
inline const QColor kWellEdge{0x33, 0x38, 0x43};
inline const QColor kAccentDark{0x25, 0x4D, 0x9D};
inline const QColor kAccentLight{0x4D, 0x82, 0xC3};
inline const QColor kText{0xD2, 0xD2, 0xD2};
inline const QColor kTextBright{0xFF, 0xFF, 0xFF};
inline const QColor kTextDim{0x78, 0x78, 0x78};
inline const QColor kTextDisabled{0x55, 0x57, 0x5C};
inline const QColor kFaceTop{0x2B, 0x30, 0x39};
inline const QColor kFaceBottom{0x1E, 0x21, 0x28};
inline const QColor kFaceEdge{0x3A, 0x40, 0x4C};
// Hover and pressed faces stay dark, so the controls' own blue texts (checked, highlighted) read
// on them; the accent edge is what lights up.
inline const QColor kHoverTop{0x24, 0x30, 0x45};
inline const QColor kHoverBottom{0x1A, 0x23, 0x33};
inline const QColor kDownTop{0x0E, 0x18, 0x2A};
inline const QColor kDownBottom{0x15, 0x24, 0x3C};
inline const QColor kDisabledFace{0x17, 0x19, 0x1D};
inline const QColor kDisabledEdge{0x25, 0x27, 0x2C};
inline const QColor kDanger{0xC8, 0x3C, 0x3C};
}  // namespace palette

// The pictures' own lettering: the free, Arial-metric sans family installed with the program's
// dependencies, so the skin comes out the same wherever it is built and matches the controls'
// own "Arial" text.
QFont SkinFont(int pixelSize, bool bold = false);

}  // namespace orvex::skingen
