// The macro page as a whole: its options following the shown macro, New Macro, Delete with its
// confirmation, the keyboard, and the macro folder across a restart.
#include "ui/macros/CMacroSettingsDlg.h"

#include <QSignalSpy>
#include <QTest>
#include <fstream>

#include "MacroPageRig.h"
#include "ui/layout/MacroSettingsLayout.h"
#include "ui/layout/PopupMode.h"
#include "ui/macros/CTavListBox.h"
#include "ui/macros/CTavMacroCtrl.h"
#include "ui/skin/CTavEdit.h"

namespace orvex::ui::testing {
namespace {

namespace mc = layout::macrosettings;

using MacroSettingsTest = MacroPageTest;

struct ShownCase {
    const char* what;
    Events events;
    bool delayBefore;
    bool delayAfter;
    bool holdAfter;
};

TEST_F(MacroSettingsTest, TheOptionsFollowTheMacroShown) {
    const ShownCase cases[] = {
        {"presses only: recorded holding", {Key('A', 0), Key('B', 0)}, true, false, true},
        {"with a release", {Key('A', 0), Key('A', 1)}, true, true, false},
        {"with a release, delay off", {Key('A', 0), Key('A', 1)}, false, false, false},
        {"empty", {}, true, true, false},
    };
    for (const ShownCase& c : cases) {
        SCOPED_TRACE(c.what);
        MakePage();
        CreateMacro(QStringLiteral("Shown"));
        GiveCurrentMacro(c.events);
        CreateMacro(QStringLiteral("Other"));
        Click(mc::kRecordHoldId);  // checked, so that showing must clear it
        if (c.delayBefore) {
            Click(mc::kRecordDelayId);
        }
        QTest::mouseClick(page->macroListBox(), Qt::LeftButton, {},
                          QPoint(50, page->macroListBox()->rows().front().rect.top + 9));
        EXPECT_EQ(Checked(mc::kRecordDelayId), c.delayAfter);
        EXPECT_EQ(Checked(mc::kRecordHoldId), c.holdAfter);
    }
}

TEST_F(MacroSettingsTest, NewMacroUnchecksRecordHoldEvenWhenItOnlyCommitsTheName) {
    Click(mc::kNewMacroId);
    QTest::keyClicks(page->macroListBox()->nameEditor(), QStringLiteral("Held"));
    Click(mc::kRecordHoldId);
    ASSERT_TRUE(Checked(mc::kRecordHoldId));
    Click(mc::kNewMacroId);
    EXPECT_FALSE(Checked(mc::kRecordHoldId));
    EXPECT_EQ(page->macroListBox()->SelectedRow()->text, QStringLiteral("Held"));
    EXPECT_EQ(page->eventList()->CurrentMacro()->name, u"Held") << "the new macro is shown";
}

TEST_F(MacroSettingsTest, EnterCommitsTheNameAndEscapeNeverClosesThePage) {
    Click(mc::kNewMacroId);
    CTavEdit* editor = page->macroListBox()->nameEditor();
    QTest::keyClicks(editor, QStringLiteral("Typed"));
    QTest::keyClick(editor, Qt::Key_Enter);
    EXPECT_FALSE(editor->isVisible());
    EXPECT_EQ(page->macroListBox()->rows().size(), 1u);
    for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Return}) {
        QTest::keyClick(page.get(), key);
        EXPECT_TRUE(page->isVisible()) << key;
    }
}

struct DeleteCase {
    const char* what;
    std::vector<QString> macros;  // the last one is selected
    int answer;
    std::size_t rowsLeft;
    int deletedSignals;
};

TEST_F(MacroSettingsTest, DeleteAsksFirstAndTellsTheWindowAfterAConfirmedDelete) {
    const DeleteCase cases[] = {
        {"confirmed", {"Kept", "Bound"}, 1, 1, 1},
        {"declined", {"Kept", "Bound"}, 2, 2, 0},
        // Nothing to delete, yet the mouse page still stores and shows its bindings.
        {"confirmed without a macro", {}, 1, 0, 1},
    };
    for (const DeleteCase& c : cases) {
        SCOPED_TRACE(c.what);
        MakePage();
        for (const QString& name : c.macros) {
            CreateMacro(name);
        }
        QSignalSpy deleted(page.get(), &ProfilePage::MacroDeleted);
        services.popups.QueueAnswers({c.answer});
        Click(mc::kDeleteId);
        EXPECT_EQ(services.popups.TakeModes(),
                  std::vector<PopupMode>{PopupMode::DeleteMacroConfirm});
        EXPECT_EQ(deleted.count(), c.deletedSignals);
        EXPECT_EQ(page->macroListBox()->rows().size(), c.rowsLeft);
        EXPECT_EQ(page->macroList()->size(), c.rowsLeft);
    }
}

TEST_F(MacroSettingsTest, AfterARestartTheLastMacroIsShownAsItWasSaved) {
    CreateMacro(QStringLiteral("First"));
    GiveCurrentMacro({Key('A', 0), Key('A', 1)});
    CreateMacro(QStringLiteral("Last"));
    GiveCurrentMacro({Key('B', 0, 5), Key('C', 0, 7), Key('D', 0, 9)});
    SelectEvent(1);
    page->SaveMacroList();

    MakePage();
    ASSERT_EQ(page->macroListBox()->rows().size(), 2u);
    EXPECT_EQ(page->macroListBox()->SelectedRow()->text, QStringLiteral("Last"));
    EXPECT_EQ(ShownEvents(), (Events{Key('B', 0, 5), Key('C', 0, 7), Key('D', 0, 9)}));
    EXPECT_EQ(SelectedEvents(), std::vector<int>{1});
    EXPECT_TRUE(Checked(mc::kRecordHoldId)) << "a macro of presses shows Record Hold";
    EXPECT_EQ(page->macroList()->CopyMacro(16)->events, (Events{Key('A', 0), Key('A', 1)}));
}

TEST_F(MacroSettingsTest, FolderProblemsAreLogged) {
    CreateMacro(QStringLiteral("Macro"));
    page->SaveMacroList();
    {
        std::ofstream damaged(MacroFolder() / "Macro.macro", std::ios::trunc);
        damaged << "x";
    }
    MakePage();
    EXPECT_TRUE(services.log.Mentions("1 unreadable macro entries skipped"));
    EXPECT_TRUE(page->macroListBox()->rows().empty());

    std::filesystem::remove_all(MacroFolder());
    std::ofstream(MacroFolder()) << "a file where the folder should be";
    CreateMacro(QStringLiteral("Unsaved"));
    page->SaveMacroList();
    EXPECT_TRUE(services.log.Mentions("macro list not saved"));
}

}  // namespace
}  // namespace orvex::ui::testing
