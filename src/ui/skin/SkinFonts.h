#pragma once

#include <QFont>
#include <QString>

namespace orvex::ui {

inline const QString kArialFace = QStringLiteral("Arial");
// The skin's own typeface, registered from the file beside the program.
inline const QString kNeoSansFace = QStringLiteral("NeoSansStd-Regular");
// Stands in for the skin's typeface when its file is missing: a free sans family.
inline const QString kFallbackSansFace = QStringLiteral("DejaVu Sans");
// Takes the place of "Arial" where that is not installed: its metrics match, so texts keep the
// widths the skin's layouts were made for.
inline const QString kArialStandInFace = QStringLiteral("Liberation Sans");

// Registers the typeface file for this process, so controls can ask for the face
// "NeoSansStd-Regular". Whatever family the file declares is made to answer to that face name;
// when the file is missing or unusable, the free sans family answers to it instead. The font is
// never removed. "Arial" is mapped to its free stand-in here too.
void RegisterSkinFont(const QString& fontFile);

// A control's font: the face at normal weight, sans-serif family, no italic, underline or
// strike-out. `cellHeight` is the height of a text line in pixels (ascent plus descent), the
// measure the skin's layouts were made with, so the font's em size comes out somewhat smaller.
QFont MakeSkinFont(const QString& face, int cellHeight);

}  // namespace orvex::ui
