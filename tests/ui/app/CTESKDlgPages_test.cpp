#include <QKeyEvent>
#include <QTest>
#include <QWindow>

#include "MainWindowRig.h"
#include "core/profiles/ProfileFile.h"
#include "ui/skin/CTavButton.h"
#include "ui/skin/CTavComboButton.h"
#include "ui/skin/CTavStatic.h"
#include "ui/skin/MessageBox.h"
#include "ui/skin/PopupMenu.h"
#include "ui/support/CSupportDlg.h"

namespace orvex::ui::testing {
namespace {

const CallLog kWriteBack{"Save mouse", "Save sensor", "Save lighting"};
const CallLog kReload{"Load mouse", "Load sensor", "Load lighting", "Notify sensor 1018 0"};

CallLog Joined(CallLog first, const CallLog& second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

TEST_F(MainWindowTest, StartsFromTheSlotFilesShowingSlotOneOnTheMousePage) {
    ProfileRecord second = MakeDefaultProfile();
    second.name = u"Gaming";
    second.enabled = 0;
    second.pointerSpeed = 9;
    WriteSlotFile(2, second);
    MakeWindow();

    EXPECT_EQ(window->windowTitle(), QStringLiteral("ORVEX SK Software"));
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(window->size(), QSize(952, 520));
    EXPECT_EQ(window->record(2).name, u"Gaming");
    EXPECT_EQ(window->record(2).pointerSpeed, 9);
    EXPECT_EQ(window->record(2).slotIndex, 1);
    EXPECT_EQ(window->record(5).name, u"Profile5");
    EXPECT_EQ(window->slotButton(2)->Text(), QStringLiteral("Gaming"));
    EXPECT_FALSE(window->slotButton(2)->isEnabled());
    EXPECT_TRUE(window->slotButton(1)->IsChecked());
    EXPECT_FALSE(window->slotButton(2)->IsChecked());
    EXPECT_EQ(window->currentSlot(), 1);

    EXPECT_EQ(window->shownPage(), CTESKDlg::kMousePage);
    EXPECT_TRUE(window->pageButton(CTESKDlg::kMousePage)->IsChecked());
    for (int shown = 0; shown < CTESKDlg::kPageCount; ++shown) {
        EXPECT_EQ(window->pageWidget(shown)->isVisible(), shown == CTESKDlg::kMousePage) << shown;
        EXPECT_EQ(window->pageWidget(shown)->pos(), QPoint(232, 96)) << shown;
    }
    // The pages were given slot 1 at start-up.
    EXPECT_EQ(page(CTESKDlg::kSensorPage).value, MakeDefaultProfile().pointerSpeed);
    // The firmware version is asked for once the window has painted, not before.
    EXPECT_EQ(transfersBeforeFirstFrame, 0U);
    EXPECT_EQ(firmwareTextBeforeFirstFrame, QStringLiteral("-.--"));
    EXPECT_EQ(window->supportPage()->firmwareVersionText(), QStringLiteral("1.22"));
    EXPECT_EQ(window->versionStatic()->CurrentText(), QStringLiteral("1.22"));
    EXPECT_TRUE(pollTimerStarted);
    EXPECT_EQ(window->pollTimer().interval(), 2000);
    EXPECT_TRUE(MessageBox::TakeShownTexts().isEmpty());
}

TEST_F(MainWindowTest, PageButtonsSwitchPagesAndTheShownPagesButtonChangesNothing) {
    MakeWindow();
    page(CTESKDlg::kMousePage).value = 300;

    ClickControl(window->pageButton(CTESKDlg::kMousePage));
    EXPECT_TRUE(calls.empty());
    EXPECT_EQ(window->record(1).doubleClickSetting, 800);

    ClickControl(window->pageButton(CTESKDlg::kSensorPage));
    EXPECT_EQ(calls, kWriteBack);
    EXPECT_EQ(window->record(1).doubleClickSetting, 300);
    EXPECT_EQ(window->shownPage(), CTESKDlg::kSensorPage);
    EXPECT_TRUE(window->pageWidget(CTESKDlg::kSensorPage)->isVisible());
    EXPECT_FALSE(window->pageWidget(CTESKDlg::kMousePage)->isVisible());
    EXPECT_TRUE(window->pageButton(CTESKDlg::kSensorPage)->IsChecked());
    EXPECT_FALSE(window->pageButton(CTESKDlg::kMousePage)->IsChecked());

    calls.clear();
    ClickControl(window->pageButton(CTESKDlg::kMousePage));
    EXPECT_EQ(calls, Joined(kWriteBack, {"Rebuild mouse"}));
}

TEST_F(MainWindowTest, SlotButtonsWriteThePagesBackAndShowTheChosenSlot) {
    ProfileRecord third = MakeDefaultProfile();
    third.pointerSpeed = 8;
    WriteSlotFile(3, third);
    MakeWindow();
    page(CTESKDlg::kSensorPage).value = 7;

    // The current slot too: written back, then reloaded from the same record.
    ClickControl(window->slotButton(1));
    EXPECT_EQ(calls, Joined(kWriteBack, kReload));
    EXPECT_EQ(window->record(1).pointerSpeed, 7);
    EXPECT_EQ(page(CTESKDlg::kSensorPage).value, 7);

    calls.clear();
    ClickControl(window->slotButton(3));
    EXPECT_EQ(calls, Joined(kWriteBack, kReload));
    EXPECT_EQ(window->currentSlot(), 3);
    EXPECT_EQ(page(CTESKDlg::kSensorPage).value, 8);
    EXPECT_TRUE(window->slotButton(3)->IsChecked());
    EXPECT_FALSE(window->slotButton(1)->IsChecked());
    EXPECT_EQ(window->record(1).pointerSpeed, 7);
    // Nothing reaches the files or the mouse before Apply.
    EXPECT_FALSE(std::filesystem::exists(SlotFile(1)));
    EXPECT_TRUE(mouse.log().transfers().empty());
}

TEST_F(MainWindowTest, ChoosingALanguageChangesOnlyTheSelectorsText) {
    MakeWindow();
    CTavComboButton* selector = window->languageSelector();
    EXPECT_EQ(selector->Text(), QStringLiteral("English"));
    ASSERT_EQ(selector->menu()->itemCount(), 11);
    EXPECT_EQ(selector->menu()->item(6).text, QStringLiteral("Koream"));
    const auto records = std::array{window->record(1), window->record(2)};

    ClickControl(selector);
    PopupMenu* menu = selector->menu();
    ASSERT_TRUE(menu->isVisible());
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->item(1).rect.center());

    EXPECT_EQ(selector->Text(), QStringLiteral("German"));
    EXPECT_FALSE(menu->isVisible());
    EXPECT_TRUE(calls.empty());
    EXPECT_EQ(window->record(1), records[0]);
    EXPECT_EQ(window->record(2), records[1]);
    EXPECT_EQ(window->currentSlot(), 1);
}

TEST_F(MainWindowTest, EnterAndEscapeDoNothingAndTheDesktopsCloseHidesTheWindow) {
    MakeWindow();
    for (const int key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter}) {
        QTest::keyClick(window.get(), static_cast<Qt::Key>(key));
        EXPECT_TRUE(window->isVisible()) << key;
    }
    EXPECT_TRUE(calls.empty());

    window->close();
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(calls.empty());
}

TEST_F(MainWindowTest, DraggingTheBackgroundMovesTheWindowButDraggingAPageDoesNot) {
    MakeWindow();
    const QPoint start = window->pos();
    const QPoint background(600, 30);  // the title strip, under no control
    ASSERT_EQ(window->childAt(background), nullptr);

    QTest::mousePress(window.get(), Qt::LeftButton, {}, background);
    QTest::mouseMove(window.get(), background + QPoint(40, 25));
    // The window followed the pointer, so the pointer is over the same spot of it again.
    QTest::mouseRelease(window.get(), Qt::LeftButton, {}, background);
    EXPECT_EQ(window->pos(), start + QPoint(40, 25));

    QWidget* shownPage = window->pageWidget(CTESKDlg::kMousePage);
    const QPoint moved = window->pos();
    QTest::mousePress(shownPage, Qt::LeftButton, {}, QPoint(100, 100));
    QTest::mouseMove(shownPage, QPoint(160, 160));
    QTest::mouseRelease(shownPage, Qt::LeftButton, {}, QPoint(160, 160));
    EXPECT_EQ(window->pos(), moved);
}

TEST_F(MainWindowTest, EnterAndEscapeNeverCloseAPage) {
    MakeWindow();
    for (int shown = 0; shown < CTESKDlg::kPageCount; ++shown) {
        SCOPED_TRACE(shown);
        ClickControl(window->pageButton(shown));
        QWidget* page = window->pageWidget(shown);
        ASSERT_TRUE(page->isVisible());
        for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter}) {
            QTest::keyClick(page, key);
            EXPECT_TRUE(page->isVisible()) << key;
        }
    }
    EXPECT_TRUE(window->isVisible());
}

TEST_F(MainWindowTest, ADeletedMacroMakesTheMousePageWriteBackAndReloadItsBindings) {
    MakeWindow();
    ClickControl(window->slotButton(2));
    ForgetHistory();
    emit window->profilePage(CTESKDlg::kMacroPage)->MacroDeleted();
    EXPECT_EQ(calls, (CallLog{"Save mouse", "Load mouse"}));
    EXPECT_EQ(window->currentSlot(), 2);
}

}  // namespace
}  // namespace orvex::ui::testing
