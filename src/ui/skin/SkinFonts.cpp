#include "ui/skin/SkinFonts.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QStringList>

namespace orvex::ui {

void RegisterSkinFont(const QString& fontFile) {
    if (!QFont::substitutes(kArialFace).contains(kArialStandInFace)) {
        QFont::insertSubstitution(kArialFace, kArialStandInFace);
    }
    const int id = QFontDatabase::addApplicationFont(fontFile);
    const QStringList families =
        id >= 0 ? QFontDatabase::applicationFontFamilies(id) : QStringList();
    QFont::removeSubstitutions(kNeoSansFace);
    if (families.contains(kNeoSansFace)) {
        return;
    }
    // The file's family name may differ from the face name the controls ask for.
    if (!families.isEmpty()) {
        QFont::insertSubstitution(kNeoSansFace, families.first());
        return;
    }
    QFont::insertSubstitutions(kNeoSansFace, {kFallbackSansFace, kArialStandInFace});
}

QFont MakeSkinFont(const QString& face, int cellHeight) {
    QFont font(face);
    font.setStyleHint(QFont::SansSerif);
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    int pixelSize = cellHeight > 0 ? cellHeight : 1;
    font.setPixelSize(pixelSize);
    while (pixelSize > 1 && QFontMetrics(font).height() > cellHeight) {
        font.setPixelSize(--pixelSize);
    }
    return font;
}

}  // namespace orvex::ui
