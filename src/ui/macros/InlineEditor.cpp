#include "ui/macros/InlineEditor.h"

#include "ui/skin/CTavEdit.h"

namespace orvex::ui {

void OpenInlineEditor(CTavEdit& editor, const QRect& place) {
    editor.setGeometry(place);
    editor.clear();
    editor.show();
    editor.raise();
    editor.setFocus(Qt::OtherFocusReason);
}

std::optional<QString> CloseInlineEditor(CTavEdit* editor) {
    if (editor == nullptr || editor->isHidden()) {
        return std::nullopt;
    }
    const QString typed = editor->text();
    editor->hide();
    editor->clear();
    return typed;
}

}  // namespace orvex::ui
