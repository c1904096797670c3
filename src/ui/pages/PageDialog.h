#pragma once

#include "ui/skin/CTavImageDialog.h"

namespace orvex::ui {

// A page of the main window: a skinned dialog embedded in the window, which shows one page at a
// time. A dialog closes on Enter and Escape by default; a page must never close, so its own OK and
// Cancel actions do nothing.
class PageDialog : public CTavImageDialog {
    Q_OBJECT

  public:
    explicit PageDialog(QWidget* parent) : CTavImageDialog(parent, Qt::Widget) {}

  public slots:
    void accept() override {}
    void reject() override {}
};

}  // namespace orvex::ui
