#include <QTest>
#include <ostream>

#include "MouseSettingsRig.h"
#include "ui/macros/CMacroSettingsDlg.h"
#include "ui/macros/CTavMacroCtrl.h"
#include "ui/skin/CTavComboButton.h"
#include "ui/skin/PopupMenu.h"

namespace orvex::ui::testing {
namespace {

const MenuItem* EntryOf(const PopupMenu& menu, int id) {
    for (int i = 0; i < menu.itemCount(); ++i) {
        if (menu.item(i).id == id) {
            return &menu.item(i);
        }
    }
    return nullptr;
}

}  // namespace

void MouseSettingsTest::MakeWindowWithMousePage(bool withMacroList) {
    if (withMacroList) {
        MakeWindowWith({CTESKDlg::kMousePage, CTESKDlg::kMacroPage});
    } else {
        MakeWindowWith({CTESKDlg::kMousePage});
    }
}

CMouseSettingsDlg& MouseSettingsTest::mousePage() const {
    return *dynamic_cast<CMouseSettingsDlg*>(window->profilePage(CTESKDlg::kMousePage));
}

MacroList& MouseSettingsTest::macroList() const {
    return dynamic_cast<CMacroSettingsDlg*>(window->profilePage(CTESKDlg::kMacroPage))
        ->eventList()
        ->macros();
}

ProfileMacro MouseSettingsTest::AddMacro(std::int32_t id, const std::u16string& name,
                                         int events) const {
    CMacro& macro = macroList().AddMacro(id, name);
    for (int i = 0; i < events; ++i) {
        macro.AddEvent(0, 'A', static_cast<std::uint8_t>(i % 2), 10 + i, InsertMode::Append);
    }
    return macro.ToProfileMacro();
}

void MouseSettingsTest::Choose(std::size_t button, int entryId) const {
    CTavComboButton* function = mousePage().functionButton(button);
    ClickControl(function);
    PopupMenu* menu = function->menu();
    ASSERT_TRUE(menu->isVisible()) << "button " << button;
    if (const MenuItem* entry = EntryOf(*menu, entryId)) {
        QTest::mouseClick(menu, Qt::LeftButton, {}, entry->rect.center());
        return;
    }
    for (int i = 0; i < menu->itemCount(); ++i) {
        const MenuItem& heading = menu->item(i);
        if (!heading.hasSubMenu) {
            continue;
        }
        PopupMenu* list = menu->GetSubMenu(heading.id);
        const MenuItem* entry = EntryOf(*list, entryId);
        if (entry == nullptr) {
            continue;
        }
        QTest::mouseMove(menu, heading.rect.center());
        ASSERT_TRUE(list->isVisible()) << "the sub-list of " << heading.id;
        QTest::mouseClick(list, Qt::LeftButton, {}, entry->rect.center());
        return;
    }
    menu->Close();
    FAIL() << "no entry " << entryId << " in the menu of button " << button;
}

void MouseSettingsTest::ClickAcross(QWidget* control, double fraction) const {
    const QPoint at(static_cast<int>(control->width() * fraction), control->height() / 2);
    QTest::mouseClick(control, Qt::LeftButton, {}, at);
}

Shown MouseSettingsTest::ShownOn(std::size_t button) const {
    const CTavComboButton* function = mousePage().functionButton(button);
    return {function->Text(), function->selectedCode(), function->selectedParameter()};
}

ProfileRecord MouseSettingsTest::Saved() const {
    ProfileRecord record = window->record(window->currentSlot());
    mousePage().SaveToProfile(record);
    return record;
}

void PrintTo(const Shown& shown, std::ostream* out) {
    *out << '"' << shown.text.toStdString() << "\" code " << shown.code << " param "
         << shown.parameter;
}

}  // namespace orvex::ui::testing
