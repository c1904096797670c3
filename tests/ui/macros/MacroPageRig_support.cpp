#include <QCoreApplication>
#include <QTest>

#include "MacroPageRig.h"
#include "ui/DefaultSkinSet.h"
#include "ui/layout/MacroSettingsLayout.h"
#include "ui/macros/CTavListBox.h"
#include "ui/macros/CTavMacroCtrl.h"
#include "ui/macros/IntRectQt.h"
#include "ui/skin/CTavButton.h"
#include "ui/skin/CTavCheckBox.h"
#include "ui/skin/CTavEdit.h"
#include "ui/skin/CTavMenu.h"
#include "ui/skin/SkinImageSet.h"

namespace orvex::ui::testing {
namespace {

void HandleHookEvents() {
    QCoreApplication::sendPostedEvents();
}

}  // namespace

void MacroPageTest::SetUp() {
    ASSERT_TRUE(folder.isValid());
    SkinImageSet::SetInstanceForTests(&DefaultSkinSet());
    MakePage();
}

void MacroPageTest::TearDown() {
    page.reset();
}

std::filesystem::path MacroPageTest::MacroFolder() const {
    return std::filesystem::path(folder.path().toStdString()) / "Macros";
}

void MacroPageTest::MakePage() {
    page.reset();
    page = std::make_unique<CMacroSettingsDlg>(services.services, MacroFolder(), nullptr);
    page->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(page.get()));
}

void MacroPageTest::Click(int controlId) const {
    QWidget* control = page->button(controlId);
    if (control == nullptr) {
        control = page->checkBox(controlId);
    }
    ASSERT_NE(control, nullptr) << controlId;
    QTest::mouseClick(control, Qt::LeftButton, {}, control->rect().center());
}

void MacroPageTest::CreateMacro(const QString& name) const {
    Click(layout::macrosettings::kNewMacroId);
    CTavEdit* editor = page->macroListBox()->nameEditor();
    ASSERT_NE(editor, nullptr);
    ASSERT_TRUE(editor->isVisible());
    QTest::keyClicks(editor, name);
    QTest::keyClick(editor, Qt::Key_Return);
}

void MacroPageTest::GiveCurrentMacro(const Events& events) const {
    CMacro* macro = page->eventList()->CurrentMacro();
    ASSERT_NE(macro, nullptr);
    macro->ClearEvents();
    for (const CMacroEvent& event : events) {
        macro->AddEvent(event.type, event.code, event.release, event.delay, InsertMode::Append);
    }
}

void MacroPageTest::SelectEvent(int row) const {
    const CMacro* macro = page->eventList()->CurrentMacro();
    ASSERT_NE(macro, nullptr);
    const QRect rect = ToQRect(macro->events.at(static_cast<std::size_t>(row)).rect);
    QTest::mouseClick(page->eventList(), Qt::LeftButton, {}, rect.center());
}

void MacroPageTest::Type(std::initializer_list<int> virtualKeys) {
    for (const int key : virtualKeys) {
        services.desktop.Type(static_cast<std::uint16_t>(key));
    }
    HandleHookEvents();
}

void MacroPageTest::Press(int virtualKey) {
    services.desktop.Press(static_cast<std::uint16_t>(virtualKey));
    HandleHookEvents();
}

void MacroPageTest::Release(int virtualKey) {
    services.desktop.Release(static_cast<std::uint16_t>(virtualKey));
    HandleHookEvents();
}

void MacroPageTest::Wait(std::chrono::milliseconds time) {
    services.mouse.clock.Advance(time);
}

void MacroPageTest::RightClickEvent(int row) const {
    const CMacro* macro = page->eventList()->CurrentMacro();
    ASSERT_NE(macro, nullptr);
    const QRect rect = ToQRect(macro->events.at(static_cast<std::size_t>(row)).rect);
    QTest::mouseClick(page->eventList(), Qt::RightButton, {}, rect.center());
}

void MacroPageTest::ChooseInRecordMenu(std::initializer_list<int> path) const {
    PopupMenu* menu = page->eventList()->menu();
    ASSERT_NE(menu, nullptr);
    ASSERT_TRUE(menu->isVisible()) << "the record menu is open";
    std::size_t level = 0;
    for (const int id : path) {
        const MenuItem* entry = menu->FindItem(id);
        ASSERT_NE(entry, nullptr) << id;
        if (++level < path.size()) {
            QTest::mouseMove(menu, entry->rect.center());
            menu = menu->GetSubMenu(id);
            ASSERT_TRUE(menu->isVisible()) << "the level below " << id << " is open";
        } else {
            QTest::mouseClick(menu, Qt::LeftButton, {}, entry->rect.center());
        }
    }
}

Events MacroPageTest::ShownEvents() const {
    Events events;
    if (const CMacro* macro = page->eventList()->CurrentMacro()) {
        for (const CEventItem& event : macro->events) {
            events.push_back(event.ToMacroEvent());
        }
    }
    return events;
}

std::vector<int> MacroPageTest::SelectedEvents() const {
    std::vector<int> rows;
    if (const CMacro* macro = page->eventList()->CurrentMacro()) {
        for (std::size_t i = 0; i < macro->events.size(); ++i) {
            if (macro->events[i].IsSelected()) {
                rows.push_back(static_cast<int>(i));
            }
        }
    }
    return rows;
}

bool MacroPageTest::Checked(int checkBoxId) const {
    return page->checkBox(checkBoxId)->IsChecked();
}

}  // namespace orvex::ui::testing
