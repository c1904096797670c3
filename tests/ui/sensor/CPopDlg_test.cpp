#include "ui/sensor/CPopDlg.h"

#include <gtest/gtest.h>

#include <QTest>

#include "sim/VirtualMouseRig.h"
#include "ui/TestServices.h"
#include "ui/sensor/CommandFaults.h"
#include "ui/sensor/DialogSkin.h"
#include "ui/sensor/ModalSteps.h"
#include "ui/skin/CTavButton.h"
#include "ui/skin/CTavStatic.h"
#include "ui/skin/MessageBox.h"

namespace orvex::ui {
namespace {

using namespace std::chrono_literals;
using testing::DialogSkin;
using testing::FakeKeyboardHook;
using testing::ModalSteps;

const QString kMouseNotFound = QStringLiteral("ORVEX SK mouse not found");

CPopDlg& Popup(QDialog& dialog) {
    return static_cast<CPopDlg&>(dialog);
}

void Click(CTavButton* button) {
    ASSERT_TRUE(button->isVisible());
    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
}

// The virtual mouse behind the program's link, the test skin and a keyboard hook the test types
// into.
class PopupTest : public ::testing::Test {
  protected:
    DialogSkin skin;
    testing::TestServices services;
    sim::VirtualMouseRig& rig = services.mouse;
};

enum class Action { OkButton, Enter, CancelButton, CloseButton, Escape, CloseWindow };

void Act(CPopDlg& popup, Action action) {
    switch (action) {
        case Action::OkButton:
            Click(popup.okButton());
            break;
        case Action::Enter:
            QTest::keyClick(&popup, Qt::Key_Return);
            break;
        case Action::CancelButton:
            Click(popup.cancelButton());
            break;
        case Action::CloseButton:
            Click(popup.closeButton());
            break;
        case Action::Escape:
            QTest::keyClick(&popup, Qt::Key_Escape);
            break;
        case Action::CloseWindow:
            popup.close();
            break;
    }
}

TEST_F(PopupTest, EachFaceShowsItsModesControlsCutFromItsOwnBitmaps) {
    struct Face {
        PopupMode mode;
        SkinFamily family;
        bool cancel;
        bool time;
        bool image;
    };
    const Face faces[] = {
        {PopupMode::LeftClickWarning, SkinFamily::LeftClickWarn, false, false, false},
        {PopupMode::DeleteMacroConfirm, SkinFamily::DeleteMacro, true, false, false},
        {PopupMode::SurfaceIntro, SkinFamily::SensorSqat1, true, false, false},
        {PopupMode::SurfaceCountdown, SkinFamily::SensorSqat2, true, true, true},
        {PopupMode::SurfaceResult, SkinFamily::SensorSqat3, false, false, false},
        {PopupMode::ResetWarning, SkinFamily::ResetWarn, true, false, false},
        {PopupMode::AssignKey, SkinFamily::AssignKey, true, true, false},
    };
    for (const Face& face : faces) {
        SCOPED_TRACE(static_cast<int>(face.mode));
        CPopDlg popup(face.mode, nullptr, services.popupServices());
        EXPECT_EQ(popup.backgroundImage(),
                  DialogSkin::Picture(FamilySlot(face.family, SkinState::Normal),
                                      DialogSkin::kPopupSize));
        EXPECT_TRUE(popup.okButton()->isVisibleTo(&popup));
        EXPECT_TRUE(popup.closeButton()->isVisibleTo(&popup));
        EXPECT_EQ(popup.cancelButton()->isVisibleTo(&popup), face.cancel);
        EXPECT_EQ(popup.timeStatic()->isVisibleTo(&popup), face.time);
        EXPECT_EQ(popup.imageStatic()->isVisibleTo(&popup), face.image);

        const QRect okRect = popup.okButton()->geometry();
        EXPECT_EQ(
            popup.okButton()->image(SkinState::Hover),
            DialogSkin::Picture(FamilySlot(face.family, SkinState::Hover), DialogSkin::kPopupSize)
                .copy(okRect));
        // Only the key-assignment family has a disabled bitmap.
        EXPECT_EQ(popup.okButton()->image(SkinState::Disabled).isNull(),
                  face.family != SkinFamily::AssignKey);
    }
    EXPECT_TRUE(MessageBox::TakeShownTexts().isEmpty());
}

TEST_F(PopupTest, WarningsReturnOneOnlyForOkOrEnter) {
    const PopupMode modes[] = {PopupMode::LeftClickWarning, PopupMode::DeleteMacroConfirm,
                               PopupMode::ResetWarning, PopupMode::SurfaceResult};
    const Action actions[] = {Action::OkButton,    Action::Enter,  Action::CancelButton,
                              Action::CloseButton, Action::Escape, Action::CloseWindow};
    for (const PopupMode mode : modes) {
        for (const Action action : actions) {
            SCOPED_TRACE(::testing::Message() << "mode " << static_cast<int>(mode) << ", action "
                                              << static_cast<int>(action));
            CPopDlg probe(mode, nullptr, services.popupServices());
            if (action == Action::CancelButton && !probe.cancelButton()->isVisibleTo(&probe)) {
                continue;
            }
            const bool accepts = action == Action::OkButton || action == Action::Enter;
            ModalSteps steps({[action](QDialog& dialog) { Act(Popup(dialog), action); }});
            EXPECT_EQ(CPopDlg::Run(mode, nullptr, services.popupServices()), accepts ? 1 : 2);
        }
    }
}

TEST_F(PopupTest, CountdownStepsOncePerSecondThroughThreePicturesAndOpensTheResultAfterZero) {
    CPopDlg countdown(PopupMode::SurfaceCountdown, nullptr, services.popupServices());
    EXPECT_TRUE(countdown.countdownTimer().isActive());
    EXPECT_EQ(countdown.countdownTimer().intervalAsDuration(), 1000ms);
    countdown.countdownTimer().stop();
    EXPECT_FALSE(countdown.okButton()->isEnabled());
    EXPECT_EQ(countdown.timeStatic()->CurrentText(), QStringLiteral("10"));
    EXPECT_EQ(countdown.imageStatic()->imageCount(), 3);
    EXPECT_EQ(countdown.imageStatic()->currentImageIndex(), 0);
    EXPECT_EQ(countdown.imageStatic()->grab().toImage().pixel(5, 5),
              DialogSkin::CountdownPicture(0).pixel(5, 5));

    for (int shown = 9; shown >= 1; --shown) {
        countdown.CountdownTick();
        EXPECT_EQ(countdown.countdownNumber(), shown);
        EXPECT_EQ(countdown.imageStatic()->currentImageIndex(), (10 - shown) % 3);
    }
    EXPECT_TRUE(rig.waits().empty());

    // The tick that shows 0 waits half a second and opens the result; the next tick arrives while
    // the result is open.
    ModalSteps steps({[&](QDialog& result) {
        EXPECT_EQ(Popup(result).mode(), PopupMode::SurfaceResult);
        EXPECT_EQ(countdown.countdownNumber(), 0);
        EXPECT_EQ(rig.waits(), (sim::Waits{500ms}));
        countdown.CountdownTick();
        EXPECT_TRUE(countdown.okButton()->isEnabled());
        EXPECT_FALSE(countdown.countdownTimer().isActive());
        Click(Popup(result).okButton());
    }});
    countdown.CountdownTick();
    EXPECT_EQ(countdown.result(), 1);
    EXPECT_EQ(steps.unusedSteps(), 0);
}

TEST_F(PopupTest, CancelAtCountThreeReturnsTwoThroughTheIntro) {
    ModalSteps steps({
        [](QDialog& intro) { Click(Popup(intro).okButton()); },
        [](QDialog& dialog) {
            CPopDlg& countdown = Popup(dialog);
            ASSERT_EQ(countdown.mode(), PopupMode::SurfaceCountdown);
            countdown.countdownTimer().stop();
            while (countdown.countdownNumber() > 3) {
                countdown.CountdownTick();
            }
            Click(countdown.cancelButton());
        },
    });
    EXPECT_EQ(CPopDlg::Run(PopupMode::SurfaceIntro, nullptr, services.popupServices()), 2);
    EXPECT_EQ(steps.unusedSteps(), 0);
    EXPECT_TRUE(rig.mouse.state().surfaceAnalysisStarted);
}

// A start the mouse fails is not shown: the countdown runs and the quality read after it tells.
TEST_F(PopupTest, AStartTheMouseFailsEndsWithinItsWaitAndTheCountdownStillRuns) {
    for (const auto& [faultName, arm] : testing::CommandFaults()) {
        SCOPED_TRACE(faultName);
        rig.mouse.state().faults = {};
        arm(rig.mouse.state().faults);
        rig.clock.ClearSleeps();
        services.popups.QueueAnswers({PopupRunner::kAccepted});
        ModalSteps steps({[](QDialog& intro) { Click(Popup(intro).okButton()); }});

        EXPECT_EQ(CPopDlg::Run(PopupMode::SurfaceIntro, nullptr, services.popupServices()), 1);
        // The start's own wait and a poll cut short by its third busy read, no more.
        EXPECT_LE(rig.clock.TotalSlept(), 10ms + 2 * 20ms);
        EXPECT_EQ(services.popups.TakeModes(), std::vector<PopupMode>{PopupMode::SurfaceCountdown});
        EXPECT_TRUE(MessageBox::TakeShownTexts().isEmpty());
        EXPECT_TRUE(services.log.Mentions("starting the surface analysis failed with result 3"));
    }
}

TEST_F(PopupTest, EnterOpensTheResultBeforeTheEndAndTheCountReachingZeroOpensNoSecondOne) {
    CPopDlg countdown(PopupMode::SurfaceCountdown, nullptr, services.popupServices());
    countdown.countdownTimer().stop();
    ModalSteps steps({
        [](QDialog& dialog) {
            ASSERT_FALSE(Popup(dialog).okButton()->isEnabled());
            QTest::keyClick(&dialog, Qt::Key_Return);
        },
        [&](QDialog& result) {
            for (int tick = 0; tick < 11; ++tick) {
                countdown.CountdownTick();
            }
            EXPECT_EQ(QApplication::activeModalWidget(), &result);
            Click(Popup(result).closeButton());
        },
    });
    EXPECT_EQ(countdown.exec(), 2);
    EXPECT_EQ(steps.unusedSteps(), 0);
}

TEST_F(PopupTest, StepResultsPassBackDownTheChain) {
    struct Case {
        PopupMode mode;
        int nextStepResult;
        PopupMode nextStep;
    };
    const Case cases[] = {
        {PopupMode::SurfaceIntro, 1, PopupMode::SurfaceCountdown},
        {PopupMode::SurfaceIntro, 2, PopupMode::SurfaceCountdown},
        {PopupMode::SurfaceCountdown, 1, PopupMode::SurfaceResult},
        {PopupMode::SurfaceCountdown, 2, PopupMode::SurfaceResult},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << static_cast<int>(c.mode) << " " << c.nextStepResult);
        CPopDlg popup(c.mode, nullptr, services.popupServices());
        popup.countdownTimer().stop();
        popup.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&popup));
        services.popups.QueueAnswers({c.nextStepResult});
        QTest::keyClick(&popup, Qt::Key_Return);
        EXPECT_EQ(popup.result(), c.nextStepResult);
        EXPECT_EQ(services.popups.TakeModes(), std::vector<PopupMode>{c.nextStep});
    }
}

TEST_F(PopupTest, IntroWithoutTheMouseSaysSoEachTimeAndStaysOpen) {
    // The link still believes the mouse is there; the intro looks again anyway.
    ASSERT_TRUE(rig.Open());
    rig.mouse.state().unplugged = true;
    ModalSteps steps({[](QDialog& intro) {
        Click(Popup(intro).okButton());
        QTest::keyClick(&intro, Qt::Key_Return);
        EXPECT_TRUE(intro.isVisible());
        Click(Popup(intro).cancelButton());
    }});
    EXPECT_EQ(CPopDlg::Run(PopupMode::SurfaceIntro, nullptr, services.popupServices()), 2);
    EXPECT_EQ(MessageBox::TakeShownTexts(), (QStringList{kMouseNotFound, kMouseNotFound}));
    EXPECT_FALSE(rig.link.HasHandle());
    EXPECT_FALSE(rig.mouse.state().surfaceAnalysisStarted);
}

TEST_F(PopupTest, TheProgramsRunnerShowsTheRealPopupModally) {
    ModalPopupRunner runner(services.popupServices());
    ModalSteps steps({[](QDialog& dialog) {
        EXPECT_EQ(Popup(dialog).mode(), PopupMode::LeftClickWarning);
        Click(Popup(dialog).okButton());
    }});
    EXPECT_EQ(runner.Run(PopupMode::LeftClickWarning, nullptr), 1);
    EXPECT_EQ(steps.unusedSteps(), 0);
}

TEST_F(PopupTest, AnyPopupGoingAwayRemovesTheSharedKeyboardHook) {
    QObject recorder;
    ASSERT_TRUE(services.keyboardHook.InstallKeyboardHook(&recorder));
    { CPopDlg warning(PopupMode::DeleteMacroConfirm, nullptr, services.popupServices()); }
    EXPECT_FALSE(services.keyboardHook.IsInstalled());
}

}  // namespace
}  // namespace orvex::ui
