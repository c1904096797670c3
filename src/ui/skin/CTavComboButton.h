#pragma once

#include "ui/skin/CTavMenu.h"
#include "ui/skin/SkinnedComboButton.h"

namespace orvex::ui {

// The drop-down button of the mouse page's button functions: a CTavMenu, whose entries can open
// sub-lists, drops down from it.
class CTavComboButton : public SkinnedComboButton {
    Q_OBJECT

  public:
    static constexpr int kStandardMenuWidth = 158;

    explicit CTavComboButton(QWidget* parent = nullptr) : SkinnedComboButton(parent) {}

    CTavMenu* tavMenu() const { return static_cast<CTavMenu*>(menu()); }

  protected:
    PopupMenu* CreateMenu(int id, const QRect& rect) override;
    int StandardMenuWidth() const override { return kStandardMenuWidth; }
};

}  // namespace orvex::ui
