#include "ui/skin/CQELNUMEdit.h"

#include <QRegularExpressionValidator>

#include "ui/skin/SkinFonts.h"

namespace orvex::ui {

CQELNUMEdit::CQELNUMEdit(QWidget* parent) : CTavEdit(parent) {
    UseFont(MakeSkinFont(kNeoSansFace, 14));
    // An edit that breaks the rule is undone whole: the text and selection stay as they were.
    static const QRegularExpression kNumberCharacters(
        QStringLiteral("[0-9-]{0,%1}").arg(kMaxCharacters));
    setValidator(new QRegularExpressionValidator(kNumberCharacters, this));
}

void CQELNUMEdit::SetFontHeight(int) {
    UseFont(MakeSkinFont(kNeoSansFace, 13));
}

}  // namespace orvex::ui
