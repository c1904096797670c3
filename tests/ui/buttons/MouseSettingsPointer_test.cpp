// Report rate, double click, scroll speed and acceleration, through the main window.
#include <QTest>

#include "MouseSettingsRig.h"
#include "core/profiles/DeviceImage.h"
#include "ui/layout/MainWindowLayout.h"
#include "ui/skin/CTavButton.h"
#include "ui/skin/CTavCheckBox.h"
#include "ui/skin/CTavSliderCtrl.h"

namespace orvex::ui::testing {
namespace {

std::vector<bool> CheckedRates(const CMouseSettingsDlg& page) {
    std::vector<bool> checked;
    for (std::size_t i = 0; i < CMouseSettingsDlg::kReportRateCount; ++i) {
        checked.push_back(page.reportRateBox(i)->IsChecked());
    }
    return checked;
}

TEST_F(MouseSettingsTest, TheRateBoxesActAsOneRadioGroupAndAnUnknownIntervalIsKept) {
    ProfileRecord odd = MakeDefaultProfile();
    odd.reportInterval = 3;
    WriteSlotFile(2, odd);
    ProfileRecord slow = MakeDefaultProfile();
    slow.reportInterval = 8;
    WriteSlotFile(3, slow);
    MakeWindowWithMousePage();
    CMouseSettingsDlg& page = mousePage();
    EXPECT_EQ(CheckedRates(page), (std::vector<bool>{false, false, false, true}));

    window->SelectSlot(3);
    EXPECT_EQ(CheckedRates(page), (std::vector<bool>{true, false, false, false}));
    window->SelectSlot(2);
    EXPECT_EQ(CheckedRates(page), (std::vector<bool>{false, false, false, false}));
    window->SelectPage(CTESKDlg::kSensorPage);
    window->SelectPage(CTESKDlg::kMousePage);
    EXPECT_EQ(window->record(2).reportInterval, 3);

    ClickControl(page.reportRateBox(1));
    EXPECT_EQ(CheckedRates(page), (std::vector<bool>{false, true, false, false}));
    ClickControl(page.reportRateBox(1));  // the checked box stays checked
    EXPECT_EQ(CheckedRates(page), (std::vector<bool>{false, true, false, false}));
    ClickControl(page.reportRateBox(2));
    EXPECT_EQ(CheckedRates(page), (std::vector<bool>{false, false, true, false}));
    EXPECT_EQ(Saved().reportInterval, 2);
}

TEST_F(MouseSettingsTest, ADoubleClickBetweenStepsIsKeptUntilTheThumbMoves) {
    ProfileRecord between = MakeDefaultProfile();
    between.doubleClickSetting = 900;
    WriteSlotFile(1, between);
    MakeWindowWithMousePage();
    CTavSliderCtrl* slider = mousePage().doubleClickSlider();
    EXPECT_EQ(slider->value(), 900);
    window->SelectSlot(1);
    window->SelectPage(CTESKDlg::kLightingPage);
    window->SelectPage(CTESKDlg::kMousePage);
    EXPECT_EQ(window->record(1).doubleClickSetting, 900);

    for (const double across : {0.3, 0.62, 0.97}) {
        ClickAcross(slider, across);
        const int value = Saved().doubleClickSetting;
        EXPECT_EQ(value % 200, 0) << across;
        EXPECT_GE(value, 200);
        EXPECT_LE(value, 1400);
    }
    EXPECT_EQ(Saved().doubleClickSetting, 1400);
}

TEST_F(MouseSettingsTest, EnableFreesTheAccelerationSliderAndApplyHandsThePageToTheDesktop) {
    MakeWindowWithMousePage();
    CMouseSettingsDlg& page = mousePage();
    CTavSliderCtrl* acceleration = page.accelerationSlider();
    EXPECT_EQ(acceleration->state(), SkinnedSlider::kInert);
    // Inert: a click leaves it as it is.
    ClickAcross(acceleration, 0.95);
    EXPECT_EQ(acceleration->value(), 1);

    ClickControl(page.accelerationEnableBox());
    EXPECT_TRUE(page.accelerationEnableBox()->IsChecked());
    EXPECT_EQ(acceleration->state(), SkinState::Normal);
    ClickAcross(acceleration, 0.95);
    ClickAcross(page.scrollSpeedSlider(), 0.05);
    ClickAcross(page.doubleClickSlider(), 0.97);
    ClickControl(window->controlButton(layout::mainwindow::kApplyId));

    ASSERT_EQ(pointer.requests.size(), 1u);
    const platform::PointerSettingsRequest& request = pointer.requests[0];
    EXPECT_EQ(request.doubleClickMs, 200);
    EXPECT_EQ(request.scrollLines, 1);
    EXPECT_TRUE(request.accelerationEnabled);
    EXPECT_EQ(request.accelerationLevel, 3);

    ClickControl(page.accelerationEnableBox());
    EXPECT_EQ(acceleration->state(), SkinnedSlider::kInert);
    EXPECT_EQ(Saved().accelerationEnabled, 0);
    EXPECT_EQ(Saved().accelerationLevel, 3);
}

TEST_F(MouseSettingsTest, ApplyPutsThePageIntoTheSlotFileAndTheMouseByteForByte) {
    MakeWindowWithMousePage(/*withMacroList=*/true);
    AddMacro(16, u"Reload", 3);
    window->SelectSlot(2);
    Choose(7, 16);
    Choose(8, kScrollUp);
    ClickControl(mousePage().reportRateBox(0));
    ClickAcross(mousePage().scrollSpeedSlider(), 0.8);
    ClickControl(window->controlButton(layout::mainwindow::kApplyId));

    const ProfileRecord file = ReadSlotFile(2);
    EXPECT_EQ(file.buttons[7], (ButtonBinding{7, kRecordMacro, 16, 15}));
    EXPECT_EQ(file.buttonMacros[7].name, u"Reload");
    EXPECT_EQ(file.buttonMacros[7].events.size(), 3u);
    EXPECT_EQ(file.buttons[8].code, kScrollUp);
    EXPECT_EQ(file.reportInterval, 8);
    EXPECT_EQ(file.scrollLines, 5);
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        ProfileRecord record = ReadSlotFile(slot);
        record.slotIndex = static_cast<std::uint8_t>(slot - 1);
        const DeviceImageBuild built = BuildDeviceImage(record);
        ASSERT_FALSE(built.refused()) << slot;
        EXPECT_EQ(mouse.mouse.state().images[static_cast<std::size_t>(slot - 1)], *built.image)
            << slot;
    }
    EXPECT_EQ(mouse.mouse.state().activeProfile, 1);  // counted from 0
}

}  // namespace
}  // namespace orvex::ui::testing
