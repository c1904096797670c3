#include "ui/app/SlotBar.h"

#include <QString>

#include "ui/app/MainWindowControls.h"
#include "ui/layout/MainWindowLayout.h"
#include "ui/skin/CTavButton.h"
#include "ui/skin/CTavComboButton.h"
#include "ui/skin/PopupMenu.h"

namespace orvex::ui {
namespace {

namespace main = layout::mainwindow;

// Wide enough for "Save current settings" beside the room kept for sub-menu arrows.
constexpr int kSlotMenuWidth = 170;

std::size_t IndexOf(int slot) {
    return static_cast<std::size_t>(slot - 1);
}

void AddSlotMenuItems(CTavComboButton& button) {
    button.EnsureMenu();
    button.AddMenuItem(SlotBar::kRename, QStringLiteral("Rename"));
    button.AddMenuItem(SlotBar::kSaveCurrent, QStringLiteral("Save current settings"));
    button.AddMenuItem(SlotBar::kExport, QStringLiteral("Export Profile"));
    button.AddMenuItem(SlotBar::kImport, QStringLiteral("Import Profile"));
    button.AddMenuItem(SlotBar::kDisableEnable, QStringLiteral("Disable/Enable"));
    button.menu()->resize(kSlotMenuWidth, button.menu()->height());
}

}  // namespace

SlotBar::SlotBar(QWidget* window) {
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        const std::size_t index = IndexOf(slot);
        buttons_[index] =
            MakeMainButton(window, main::kSlotButtonFirstId + slot - 1, main::kSlotButtons[index]);
        CTavComboButton* menuButton = MakeMainComboButton(
            window, main::kSlotMenuButtonFirstId - (slot - 1), main::kSlotMenuButtons[index]);
        // The button is a picture of a drop-down arrow; the chosen action is no state to show.
        menuButton->SetShowText(false);
        AddSlotMenuItems(*menuButton);
        menuButtons_[index] = menuButton;
    }
}

CTavButton* SlotBar::button(int slot) const {
    return buttons_[IndexOf(slot)];
}

CTavComboButton* SlotBar::menuButton(int slot) const {
    return menuButtons_[IndexOf(slot)];
}

void SlotBar::ShowName(int slot, const std::u16string& name) {
    button(slot)->SetText(QString::fromStdU16String(name));
}

void SlotBar::ShowEnabled(int slot, bool enabled) {
    button(slot)->setEnabled(enabled);
}

void SlotBar::ShowSelected(int slot) {
    for (int other = 1; other <= kSlotCount; ++other) {
        button(other)->SetChecked(false);
    }
    button(slot)->SetChecked(true);
}

std::optional<int> SlotBar::SlotOfButton(int controlId) {
    const int slot = controlId - main::kSlotButtonFirstId + 1;
    return slot >= 1 && slot <= kSlotCount ? std::optional<int>(slot) : std::nullopt;
}

std::optional<int> SlotBar::SlotOfMenuButton(int controlId) {
    const int slot = main::kSlotMenuButtonFirstId - controlId + 1;
    return slot >= 1 && slot <= kSlotCount ? std::optional<int>(slot) : std::nullopt;
}

}  // namespace orvex::ui
