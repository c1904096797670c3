// The macro page in the main window beside the mouse page: macros made on the one are bound on
// the other, and a confirmed delete gives the bound button of the current profile its default
// function at once.
#include <QTest>

#include "ui/buttons/MouseSettingsRig.h"
#include "ui/layout/MacroSettingsLayout.h"
#include "ui/macros/CMacroSettingsDlg.h"
#include "ui/macros/CTavListBox.h"
#include "ui/macros/IntRectQt.h"
#include "ui/skin/CTavButton.h"
#include "ui/skin/CTavEdit.h"

namespace orvex::ui::testing {
namespace {

namespace mc = layout::macrosettings;

constexpr std::size_t kButton4 = 3;

class MacroPageInWindowTest : public MouseSettingsTest {
  protected:
    CMacroSettingsDlg& macroPage() const {
        return *dynamic_cast<CMacroSettingsDlg*>(window->profilePage(CTESKDlg::kMacroPage));
    }

    void CreateMacro(const QString& name) const {
        window->SelectPage(CTESKDlg::kMacroPage);
        ClickControl(macroPage().button(mc::kNewMacroId));
        CTavEdit* editor = macroPage().macroListBox()->nameEditor();
        QTest::keyClicks(editor, name);
        QTest::keyClick(editor, Qt::Key_Return);
    }

    void SelectMacroRow(int row) const {
        CTavListBox* list = macroPage().macroListBox();
        QTest::mouseClick(list, Qt::LeftButton, {},
                          ToQRect(list->rows().at(static_cast<std::size_t>(row)).rect).center());
    }
};

TEST_F(MacroPageInWindowTest, DeletingTheMacroOfButton4GivesItsDefaultBackAtOnce) {
    MakeWindowWithMousePage(/*withMacroList=*/true);
    CreateMacro(QStringLiteral("Fire"));
    CreateMacro(QStringLiteral("Other"));
    window->SelectPage(CTESKDlg::kMousePage);
    for (const int slot : {2, 1}) {
        window->SelectSlot(slot);
        Choose(kButton4, 16);
        ASSERT_EQ(ShownOn(kButton4), (Shown{QStringLiteral("Fire"), kRecordMacro, 16}));
    }

    window->SelectPage(CTESKDlg::kMacroPage);
    SelectMacroRow(0);
    services.popups.QueueAnswers({2});
    ClickControl(macroPage().button(mc::kDeleteId));
    EXPECT_EQ(window->record(1).buttons[kButton4].code, kRecordMacro) << "declined: kept";

    services.popups.QueueAnswers({1});
    ClickControl(macroPage().button(mc::kDeleteId));
    const ButtonBinding& button4 = window->record(1).buttons[kButton4];
    EXPECT_EQ(button4.code, button4.defaultCode) << "button 4 is back to its default at once";
    EXPECT_EQ(ShownOn(kButton4).code, button4.defaultCode) << "and the mouse page shows it";
    // Another profile keeps its copy until its bindings are stored again.
    EXPECT_EQ(window->record(2).buttons[kButton4].code, kRecordMacro);
    EXPECT_EQ(window->record(2).buttonMacros[kButton4].name, u"Fire");
}

}  // namespace
}  // namespace orvex::ui::testing
