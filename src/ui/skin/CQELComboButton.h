#pragma once

#include "ui/skin/CQELMenu.h"
#include "ui/skin/SkinnedComboButton.h"

namespace orvex::ui {

// The narrow drop-down button of the sensor page (the angle-snap level): a flat CQELMenu drops
// down from it.
class CQELComboButton : public SkinnedComboButton {
    Q_OBJECT

  public:
    static constexpr int kStandardMenuWidth = 55;

    explicit CQELComboButton(QWidget* parent = nullptr) : SkinnedComboButton(parent) {}

    CQELMenu* qelMenu() const { return static_cast<CQELMenu*>(menu()); }

  protected:
    PopupMenu* CreateMenu(int id, const QRect& rect) override;
    int StandardMenuWidth() const override { return kStandardMenuWidth; }
};

}  // namespace orvex::ui
