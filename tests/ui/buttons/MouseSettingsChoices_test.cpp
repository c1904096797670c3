// The choice rules of the function menus, driven through the main window with real clicks.
#include <QFontMetrics>
#include <QTest>

#include "MouseSettingsRig.h"
#include "core/buttons/ButtonFunction.h"
#include "core/buttons/VirtualKeys.h"
#include "ui/layout/MainWindowLayout.h"
#include "ui/layout/PopupMode.h"
#include "ui/sensor/CPopDlg.h"
#include "ui/sensor/ModalSteps.h"
#include "ui/skin/CTavButton.h"
#include "ui/skin/CTavComboButton.h"
#include "ui/skin/PopupMenu.h"

namespace orvex::ui::testing {
namespace {

ProfileRecord WithCodes(std::initializer_list<std::pair<std::size_t, int>> codes) {
    ProfileRecord record = MakeDefaultProfile();
    for (const auto& [button, code] : codes) {
        record.buttons[button].code = static_cast<std::uint8_t>(code);
    }
    return record;
}

struct Choice {
    std::size_t button;
    int entry;
    bool warned;  // the left-click warning was shown, and the button kept Left Click
};

struct GuardCase {
    const char* name;
    ProfileRecord profile;
    std::vector<Choice> choices;
};

void PrintTo(const GuardCase& c, std::ostream* out) {
    *out << c.name;
}

class LeftClickGuardTest : public MouseSettingsTest,
                           public ::testing::WithParamInterface<GuardCase> {};

TEST_P(LeftClickGuardTest, TheLastLeftClickStaysAndOnlyItsChangeWarns) {
    const GuardCase& c = GetParam();
    WriteSlotFile(1, c.profile);
    MakeWindowWithMousePage(/*withMacroList=*/true);
    AddMacro(16, u"Combo");
    mousePage().RebuildMacroLists();

    for (const Choice& choice : c.choices) {
        SCOPED_TRACE(::testing::Message()
                     << "button " << choice.button << ", entry " << choice.entry);
        const Shown before = ShownOn(choice.button);
        // Answered, so that a warning shown in error ends the test instead of waiting; a
        // capture pop-up would take the answer as well and show up in the modes.
        services.popups.QueueAnswers({PopupRunner::kAccepted});
        Choose(choice.button, choice.entry);
        const std::vector<PopupMode> shown = services.popups.TakeModes();
        if (choice.warned) {
            EXPECT_EQ(shown, std::vector<PopupMode>{PopupMode::LeftClickWarning});
            EXPECT_EQ(ShownOn(choice.button), before);
        } else {
            EXPECT_TRUE(shown.empty());
            EXPECT_EQ(ShownOn(choice.button).code, choice.entry);
        }
    }
    EXPECT_FALSE(mousePage().functionButton(0)->menu()->isVisible());
}

ProfileRecord TwoLeftClicks() {
    return WithCodes({{3, kLeftClick}});
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LeftClickGuardTest,
    ::testing::Values(
        GuardCase{"TwoLeftClicksTheFirstChangesThenTheSecondCannot",
                  TwoLeftClicks(),
                  {{0, kScrollUp, false}, {3, kScrollUp, true}, {3, kDisable, true}}},
        GuardCase{"NoLeftClickNoWarningAnywhere",
                  WithCodes({{0, kForward}}),
                  {{0, kScrollUp, false}, {1, kDisable, false}, {8, kBack, false}}},
        GuardCase{
            "LeftClickAgainOnTheLastOnePasses", MakeDefaultProfile(), {{0, kLeftClick, false}}},
        GuardCase{"SingleKeyOnTheOnlyLeftClickWarnsInsteadOfCapturing",
                  MakeDefaultProfile(),
                  {{0, kSingleKey, true}}},
        GuardCase{"AMacroOnTheOnlyLeftClickWarns", MakeDefaultProfile(), {{0, 16, true}}},
        GuardCase{"ASecondLeftClickFreesTheFirst",
                  MakeDefaultProfile(),
                  {{0, kDisable, true}, {4, kLeftClick, false}, {0, kDisable, false}}}),
    [](const ::testing::TestParamInfo<GuardCase>& tested) {
        return std::string(tested.param.name);
    });

TEST_F(MouseSettingsTest, AKeyCapturedInThePopupIsBoundWithItsNameAndCancelKeepsTheButton) {
    MakeWindowWithMousePage();
    const Shown before = ShownOn(4);
    {
        ModalSteps steps({[this](QDialog& dialog) {
            EXPECT_EQ(static_cast<CPopDlg&>(dialog).mode(), PopupMode::AssignKey);
            EXPECT_FALSE(mousePage().functionButton(4)->menu()->isVisible());
            services.desktop.Type(vk::kLeftShift);
            QCoreApplication::processEvents();
            CTavButton* cancel = static_cast<CPopDlg&>(dialog).cancelButton();
            QTest::mouseClick(cancel, Qt::LeftButton, {}, cancel->rect().center());
        }});
        Choose(4, kSingleKey);
        EXPECT_EQ(steps.unusedSteps(), 0);
    }
    EXPECT_EQ(ShownOn(4), before);

    {
        ModalSteps steps({[this](QDialog& dialog) {
            services.desktop.Type(vk::kLeftShift);
            services.desktop.Type('A');
            QCoreApplication::processEvents();
            CTavButton* ok = static_cast<CPopDlg&>(dialog).okButton();
            QTest::mouseClick(ok, Qt::LeftButton, {}, ok->rect().center());
        }});
        Choose(4, kSingleKey);
        EXPECT_EQ(steps.unusedSteps(), 0);
    }
    EXPECT_EQ(ShownOn(4), (Shown{QStringLiteral("A"), kSingleKey, 'A'}));
    EXPECT_TRUE(mousePage().functionButton(4)->acceptSelection());
    const ProfileRecord saved = Saved();
    EXPECT_EQ(saved.buttons[4].code, kSingleKey);
    EXPECT_EQ(saved.buttons[4].param, 'A');
}

TEST_F(MouseSettingsTest, AKeyBindingShowsTheKeysNameAfterASlotSwitchEvenAnUnnamedOne) {
    ProfileRecord keys = MakeDefaultProfile();
    keys.buttons[2] = {2, static_cast<std::uint8_t>(kSingleKey), vk::kUp, 2};
    keys.buttons[6] = {6, static_cast<std::uint8_t>(kSingleKey), 16, 6};  // generic Shift
    WriteSlotFile(2, keys);
    MakeWindowWithMousePage();

    window->SelectSlot(2);
    EXPECT_EQ(ShownOn(2), (Shown{QStringLiteral("UP ARROW "), kSingleKey, vk::kUp}));
    EXPECT_EQ(ShownOn(6), (Shown{QString(), kSingleKey, 16}));
    EXPECT_EQ(Saved().buttons, keys.buttons);
}

TEST_F(MouseSettingsTest, APlainEntryKeepsTheKeyCodeBesideIt) {
    ProfileRecord keyA = MakeDefaultProfile();
    keyA.buttons[1] = {1, static_cast<std::uint8_t>(kSingleKey), 'A', 1};
    WriteSlotFile(1, keyA);
    MakeWindowWithMousePage();

    Choose(1, kScrollUp);
    EXPECT_EQ(ShownOn(1), (Shown{QStringLiteral("Scroll up"), kScrollUp, 'A'}));
    ClickControl(window->controlButton(layout::mainwindow::kApplyId));
    EXPECT_EQ(ReadSlotFile(1).buttons[1], (ButtonBinding{1, kScrollUp, 'A', 1}));
}

TEST_F(MouseSettingsTest, AMacroIsBoundByNameAndADeletedOneFallsBackAtTheNextSave) {
    ProfileRecord older = MakeDefaultProfile();
    older.buttons[2] = {2, static_cast<std::uint8_t>(kRecordMacro), 16, 2};
    older.buttonMacros[2] = {u"Old reload", 16, {}};
    WriteSlotFile(2, older);
    MakeWindowWithMousePage(/*withMacroList=*/true);
    AddMacro(16, u"Reload");
    const ProfileMacro sprint = AddMacro(17, u"Sprint & jump", 4);
    // The window refills the menus when the page's tab comes to the front.
    window->SelectPage(CTESKDlg::kSupportPage);
    window->SelectPage(CTESKDlg::kMousePage);

    Choose(5, 17);
    EXPECT_EQ(ShownOn(5), (Shown{QStringLiteral("Sprint & jump"), kRecordMacro, 17}));
    window->SelectSlot(1);  // written into the record, and shown again from it
    EXPECT_EQ(window->record(1).buttons[5], (ButtonBinding{5, kRecordMacro, 17, 5}));
    EXPECT_EQ(window->record(1).buttonMacros[5], sprint);
    EXPECT_EQ(ShownOn(5).text, QStringLiteral("Sprint & jump"));

    // The profile's copy names the button, not the macro list.
    window->SelectSlot(2);
    EXPECT_EQ(ShownOn(2), (Shown{QStringLiteral("Old reload"), kRecordMacro, 16}));

    macroList().RemoveMacro(16);
    EXPECT_EQ(ShownOn(2).text, QStringLiteral("Old reload"));
    emit window->profilePage(CTESKDlg::kMacroPage)->MacroDeleted();
    EXPECT_EQ(window->record(2).buttons[2], (ButtonBinding{2, 2, 0, 2}));
    EXPECT_EQ(ShownOn(2), (Shown{QStringLiteral("Scroll Click"), 2, 0}));
    const PopupMenu* macros = mousePage().functionButton(2)->tavMenu()->GetSubMenu(kRecordMacro);
    ASSERT_EQ(macros->itemCount(), 1);
    EXPECT_EQ(macros->item(0).text, QStringLiteral("Sprint & jump"));
}

TEST_F(MouseSettingsTest, AssignRecordMacroWithNoMacroListedKeepsTheButton) {
    MakeWindowWithMousePage(/*withMacroList=*/true);
    Choose(7, kRecordMacro);
    EXPECT_EQ(ShownOn(7), (Shown{QStringLiteral("Disable Button"), kDisable, 0}));
    EXPECT_TRUE(mousePage().functionButton(7)->acceptSelection());
    EXPECT_TRUE(services.popups.TakeModes().empty());

    // Once a macro is listed the entry only opens the list, also after the list empties again.
    AddMacro(16, u"Reload");
    mousePage().RebuildMacroLists();
    macroList().RemoveMacro(16);
    mousePage().RebuildMacroLists();
    CTavComboButton* function = mousePage().functionButton(7);
    ClickControl(function);
    const PopupMenu* menu = function->menu();
    const MenuItem* heading = menu->FindItem(kRecordMacro);
    ASSERT_NE(heading, nullptr);
    EXPECT_TRUE(heading->hasSubMenu);
    QTest::mouseClick(function->menu(), Qt::LeftButton, {}, heading->rect.center());
    EXPECT_EQ(ShownOn(7).code, kDisable);
    function->menu()->Close();
}

TEST_F(MouseSettingsTest, CodesNoMenuOffersAreKeptAndShownWithoutAName) {
    ProfileRecord odd = MakeDefaultProfile();
    odd.buttons[3] = {3, 7, 9, 3};
    odd.buttons[8] = {8, 200, -4, 15};
    WriteSlotFile(2, odd);
    MakeWindowWithMousePage();

    window->SelectSlot(2);
    EXPECT_EQ(ShownOn(3).text, QString());
    EXPECT_EQ(ShownOn(8).text, QString());
    window->SelectPage(CTESKDlg::kSensorPage);
    window->SelectSlot(1);
    window->SelectSlot(2);
    EXPECT_EQ(window->record(2).buttons, odd.buttons);

    ClickControl(window->controlButton(layout::mainwindow::kApplyId));
    EXPECT_EQ(ReadSlotFile(2).buttons[3].code, 7);
    EXPECT_EQ(ReadSlotFile(2).buttons[8].code, 200);
}

TEST_F(MouseSettingsTest, OnlyMacrosABindingCanHoldAreListedAndTheListIsAsWideAsItsNames) {
    MakeWindowWithMousePage(/*withMacroList=*/true);
    AddMacro(16, u"A");
    AddMacro(5, u"Damaged");  // would pass for "Dpi up"
    AddMacro(40000, u"Too far");
    AddMacro(18, u"A much longer macro name");
    mousePage().RebuildMacroLists();

    for (std::size_t button = 0; button < CMouseSettingsDlg::kFunctionButtonCount; ++button) {
        CTavMenu* menu = mousePage().functionButton(button)->tavMenu();
        const PopupMenu* list = menu->GetSubMenu(kRecordMacro);
        ASSERT_EQ(list->itemCount(), 2) << button;
        EXPECT_EQ(list->item(0).id, 16);
        EXPECT_EQ(list->item(1).id, 18);
        const int widest = QFontMetrics(list->itemFont()).horizontalAdvance(list->item(1).text);
        EXPECT_EQ(list->width(), widest + 50);
        EXPECT_EQ(menu->GetSubMenu(kDefaultCommandsMenuId)->width(), 100);
    }
    EXPECT_TRUE(services.log.Mentions("macro id 5 cannot be bound"));
    EXPECT_TRUE(services.log.Mentions("macro id 40000 cannot be bound"));
}

}  // namespace
}  // namespace orvex::ui::testing
