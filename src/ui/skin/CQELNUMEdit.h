#pragma once

#include "ui/skin/CTavEdit.h"

namespace orvex::ui {

// The sensor page's number field: at most three characters out of the digits and the minus sign.
// A minus sign after digits can still be typed; the owner checks the number. The rule holds for
// typing and pasting alike; text set by the program is taken as it is.
class CQELNUMEdit : public CTavEdit {
    Q_OBJECT

  public:
    static constexpr int kMaxCharacters = 3;

    explicit CQELNUMEdit(QWidget* parent = nullptr);

    // Always the skin's typeface at 13 pixels, whatever the height asked for.
    void SetFontHeight(int height) override;
};

}  // namespace orvex::ui
