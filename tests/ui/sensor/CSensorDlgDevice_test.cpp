// The sensor page's buttons that act on the mouse at once, against the virtual mouse.
#include <gtest/gtest.h>

#include <QTest>
#include <utility>
#include <vector>

#include "core/device/Reports.h"
#include "ui/layout/PopupMode.h"
#include "ui/sensor/CPopDlg.h"
#include "ui/sensor/CSensorDlg.h"
#include "ui/sensor/CommandFaults.h"
#include "ui/sensor/ModalSteps.h"
#include "ui/sensor/SensorPageRig.h"
#include "ui/skin/CTavButton.h"
#include "ui/skin/CTavProgressCtrl.h"
#include "ui/skin/CTavSliderCtrl.h"
#include "ui/skin/CTavStatic.h"
#include "ui/skin/MessageBox.h"

namespace orvex::ui::testing {
namespace {

using namespace std::chrono_literals;

enum class LiftOff { Test, Save };

class SensorPageDeviceTest : public SensorPageTest {
  protected:
    sim::VirtualMouseState& mouseState() { return services.mouse.mouse.state(); }

    void SetLiftDistance(int distance) {
        ProfileRecord record = MakeDefaultProfile();
        record.liftDistance = static_cast<std::uint8_t>(distance);
        page->LoadFromProfile(record);
    }

    void ShowLevel(int level) {
        ProfileRecord record = MakeDefaultProfile();
        record.surfaceQuality = static_cast<std::int16_t>(level);
        page->LoadFromProfile(record);
    }

    void Press(LiftOff button) {
        Click(button == LiftOff::Test ? page->testButton() : page->saveButton());
    }

    std::uint8_t Received(LiftOff button) {
        return button == LiftOff::Test ? mouseState().testedLiftDistance
                                       : mouseState().savedLiftDistance;
    }

    void ExpectLevel(int bar, int picture, int saved) {
        EXPECT_EQ(page->qualityAnalyzer()->position(), bar);
        EXPECT_EQ(page->surface()->currentImageIndex(), picture);
        EXPECT_EQ(Saved().surfaceQuality, saved);
    }
};

TEST_F(SensorPageDeviceTest, TestAndSaveSendTheLiftDistanceWithinSixToThirtyOne) {
    struct Case {
        int shown;
        std::uint8_t sent;
    };
    const Case cases[] = {{1, 6}, {5, 6}, {6, 6}, {12, 12}, {31, 31}, {32, 31}};
    for (const LiftOff button : {LiftOff::Test, LiftOff::Save}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(::testing::Message()
                         << (button == LiftOff::Test ? "Test " : "Save ") << c.shown);
            SetLiftDistance(c.shown);
            services.mouse.clock.ClearSleeps();
            Press(button);
            EXPECT_EQ(Received(button), c.sent);
            EXPECT_EQ(page->liftDistance()->value(), c.shown) << "the slider keeps its value";
            // The command's own wait, in virtual time.
            EXPECT_EQ(services.mouse.waits(), (sim::Waits{button == LiftOff::Test ? 20ms : 200ms}));
        }
    }
    EXPECT_TRUE(MessageBox::TakeShownTexts().isEmpty());
}

TEST_F(SensorPageDeviceTest, WithoutTheMouseTestAndSaveSendNothingAndSayNothing) {
    mouseState().unplugged = true;
    SetLiftDistance(12);
    Press(LiftOff::Test);
    Press(LiftOff::Save);
    EXPECT_EQ(services.mouse.log().Writes(kFeatureReportId), 0u);
    EXPECT_EQ(mouseState().testedLiftDistance, 0);
    EXPECT_EQ(mouseState().savedLiftDistance, 0);
    EXPECT_TRUE(MessageBox::TakeShownTexts().isEmpty());
    EXPECT_TRUE(services.log.Mentions("lift-off save: mouse not found"));
}

TEST_F(SensorPageDeviceTest, ALiftOffCommandTheMouseFailsIsReportedInBoundsAndChangesNothing) {
    struct Case {
        LiftOff button;
        QString message;
    };
    const Case cases[] = {{LiftOff::Test, QStringLiteral("Test_LOD failed.")},
                          {LiftOff::Save, QStringLiteral("Save_LOD failed.")}};
    for (const Case& c : cases) {
        for (const auto& [faultName, arm] : CommandFaults()) {
            SCOPED_TRACE(c.message.toStdString() + " with " + faultName);
            mouseState().faults = {};
            SetLiftDistance(12);
            Press(c.button);
            ASSERT_EQ(Received(c.button), 12);

            arm(mouseState().faults);
            SetLiftDistance(20);
            const ProfileRecord before = Saved();
            services.mouse.clock.ClearSleeps();
            Press(c.button);
            // The command's own wait and a poll cut short by its third busy read, no more.
            EXPECT_LE(services.mouse.clock.TotalSlept(), 200ms + 2 * 20ms);
            EXPECT_EQ(MessageBox::TakeShownTexts(), QStringList{c.message});
            EXPECT_EQ(SensorFields::Of(Saved()), SensorFields::Of(before))
                << "the page kept its values";
            EXPECT_TRUE(services.log.Mentions("of 20: result 3"));
        }
    }
}

TEST_F(SensorPageDeviceTest, AnAnalysisRunToItsEndShowsTheLevelOfTheMousesQualityByte) {
    ShowLevel(7);
    mouseState().surfaceQuality = 23;
    ModalSteps steps({
        [](QDialog& intro) {
            EXPECT_EQ(static_cast<CPopDlg&>(intro).mode(), PopupMode::SurfaceIntro);
            QTest::mouseClick(static_cast<CPopDlg&>(intro).okButton(), Qt::LeftButton);
        },
        [this](QDialog& dialog) {
            auto& countdown = static_cast<CPopDlg&>(dialog);
            EXPECT_EQ(page->qualityAnalyzer()->position(), 0) << "the bar empties at once";
            EXPECT_EQ(page->surface()->currentImageIndex(), 7);
            countdown.countdownTimer().stop();
            // The tick that reaches 0 opens the result step.
            while (countdown.countdownNumber() > 0) {
                countdown.CountdownTick();
            }
        },
        [](QDialog& result) {
            EXPECT_EQ(static_cast<CPopDlg&>(result).mode(), PopupMode::SurfaceResult);
            QTest::mouseClick(static_cast<CPopDlg&>(result).okButton(), Qt::LeftButton);
        },
    });
    Click(page->analyzeSurfaceButton());
    EXPECT_EQ(steps.unusedSteps(), 0);
    EXPECT_TRUE(mouseState().surfaceAnalysisStarted);
    ExpectLevel(4, 4, 4);
}

TEST_F(SensorPageDeviceTest, QualityBytesBecomeLevelsAsUnsignedBytesAtEveryEdgeOfTheTable) {
    const std::pair<int, int> cases[] = {{0, 0},  {1, 0},   {2, 1},    {10, 1},   {11, 2},
                                         {50, 9}, {51, 10}, {127, 10}, {128, 10}, {255, 10}};
    ASSERT_TRUE(services.mouse.Open()) << "the intro pop-up, answered here, opens the mouse";
    for (const auto& [quality, level] : cases) {
        SCOPED_TRACE(quality);
        mouseState().surfaceQuality = static_cast<std::uint8_t>(quality);
        services.popups.QueueAnswers({PopupRunner::kAccepted});
        Click(page->analyzeSurfaceButton());
        ExpectLevel(level, level, level);
    }
    EXPECT_EQ(services.popups.TakeModes().size(), std::size(cases));
}

TEST_F(SensorPageDeviceTest, ACancelledAnalysisLeavesTheBarEmptyAndThePictureAsItWas) {
    ShowLevel(7);
    services.popups.QueueAnswers({PopupRunner::kDeclined});
    Click(page->analyzeSurfaceButton());
    EXPECT_EQ(services.popups.TakeModes(), std::vector<PopupMode>{PopupMode::SurfaceIntro});
    EXPECT_TRUE(services.mouse.log().transfers().empty()) << "nothing is read";
    ExpectLevel(0, 7, 0);
}

TEST_F(SensorPageDeviceTest, AFailedQualityReadShowsLevelZeroWithinTheReadsWait) {
    ASSERT_TRUE(services.mouse.Open());
    for (const auto& [faultName, arm] : CommandFaults()) {
        SCOPED_TRACE(faultName);
        ShowLevel(7);
        mouseState().faults = {};
        arm(mouseState().faults);
        services.mouse.clock.ClearSleeps();
        services.popups.QueueAnswers({PopupRunner::kAccepted});
        Click(page->analyzeSurfaceButton());
        // The read's own wait and a poll cut short by its third busy read, no more.
        EXPECT_LE(services.mouse.clock.TotalSlept(), 10ms + 2 * 20ms);
        ExpectLevel(0, 0, 0);
        EXPECT_TRUE(MessageBox::TakeShownTexts().isEmpty());
        EXPECT_TRUE(services.log.Mentions("reading the surface quality failed"));
    }
}

TEST_F(SensorPageDeviceTest, WithoutTheMouseTheIntroSaysSoAndTheBarStaysEmpty) {
    ShowLevel(7);
    mouseState().unplugged = true;
    ModalSteps steps({[](QDialog& intro) {
        auto& popup = static_cast<CPopDlg&>(intro);
        QTest::mouseClick(popup.okButton(), Qt::LeftButton);
        EXPECT_EQ(MessageBox::TakeShownTexts(), QStringList{"ORVEX SK mouse not found"});
        QTest::mouseClick(popup.cancelButton(), Qt::LeftButton);
    }});
    Click(page->analyzeSurfaceButton());
    EXPECT_EQ(steps.unusedSteps(), 0);
    ExpectLevel(0, 7, 0);
}

}  // namespace
}  // namespace orvex::ui::testing
