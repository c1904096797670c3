#pragma once

#include <array>
#include <optional>
#include <string>

#include "core/profiles/ConfigFolders.h"

class QWidget;

namespace orvex::ui {

class CTavButton;
class CTavComboButton;

// The five profile slots down the side of the main window: each slot's button, captioned with its
// profile's name and greyed while the profile is disabled, and the drop-down button of its menu.
// Slots are numbered 1 ... 5.
class SlotBar {
  public:
    // The slot menu's items, as the menu reports them.
    enum MenuItem : int { kRename = 1, kSaveCurrent, kExport, kImport, kDisableEnable };

    explicit SlotBar(QWidget* window);

    CTavButton* button(int slot) const;
    CTavComboButton* menuButton(int slot) const;

    void ShowName(int slot, const std::u16string& name);
    void ShowEnabled(int slot, bool enabled);
    // Only `slot` shows as selected.
    void ShowSelected(int slot);

    // The slot a slot button or a menu button belongs to, by control id.
    static std::optional<int> SlotOfButton(int controlId);
    static std::optional<int> SlotOfMenuButton(int controlId);

  private:
    std::array<CTavButton*, kSlotCount> buttons_{};
    std::array<CTavComboButton*, kSlotCount> menuButtons_{};
};

}  // namespace orvex::ui
