#pragma once

#include <QString>
#include <optional>

class QRect;

namespace orvex::ui {

class CTavEdit;

// The editors the macro page's lists open over a row (the macro list's name editor, the event
// list's delay editor): shown empty with the focus, and closed by taking what was typed.
void OpenInlineEditor(CTavEdit& editor, const QRect& place);

// What was typed into an open editor, which is hidden and emptied; none when it was not open.
std::optional<QString> CloseInlineEditor(CTavEdit* editor);

}  // namespace orvex::ui
