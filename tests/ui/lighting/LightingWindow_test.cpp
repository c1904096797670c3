// The lighting page in the real main window: values travel between the page, the records, the
// slot files and the mouse.
#include <QTest>

#include "LightingPageRig.h"
#include "core/profiles/DeviceImage.h"
#include "ui/app/MainWindowRig.h"
#include "ui/layout/ColorSettingsLayout.h"
#include "ui/layout/MainWindowLayout.h"
#include "ui/lighting/CColorPanel.h"
#include "ui/lighting/CColorSettingsDlg.h"
#include "ui/lighting/CTavCbnColorButton.h"
#include "ui/skin/CTavButton.h"
#include "ui/skin/CTavEdit.h"

namespace orvex::ui::testing {
namespace {

namespace cs = layout::colorsettings;
namespace main = layout::mainwindow;

class LightingWindowTest : public MainWindowTest {
  protected:
    void MakeWindowShowingLighting() {
        MakeWindowWith({CTESKDlg::kLightingPage});
        ClickControl(window->pageButton(CTESKDlg::kLightingPage));
        ASSERT_EQ(window->shownPage(), CTESKDlg::kLightingPage);
    }

    CColorSettingsDlg& lighting() const {
        return *dynamic_cast<CColorSettingsDlg*>(window->profilePage(CTESKDlg::kLightingPage));
    }

    void ClickOnPage(int controlId) const {
        QWidget* control = lighting().control(controlId);
        ASSERT_TRUE(control != nullptr && control->isVisible()) << controlId;
        ClickControl(control);
    }
};

TEST_F(LightingWindowTest, EveryRecordThePageWritesComesBackAfterSlotAndPageSwitches) {
    const std::vector<LightingValues> generated = GeneratedLighting(2024, 40);
    for (std::size_t first = 0; first < generated.size(); first += kSlotCount) {
        for (int slot = 1; slot <= kSlotCount; ++slot) {
            ProfileRecord record;
            PutLighting(generated[first + static_cast<std::size_t>(slot - 1)], record);
            WriteSlotFile(slot, record);
        }
        MakeWindowWith({CTESKDlg::kLightingPage});
        // Each slot is shown, the lighting page and another page in turn, then left.
        for (int slot = 1; slot <= kSlotCount; ++slot) {
            ClickControl(window->slotButton(slot));
            ClickControl(window->pageButton(CTESKDlg::kLightingPage));
            ClickControl(window->pageButton(CTESKDlg::kSensorPage));
        }
        ClickControl(window->slotButton(1));
        for (int slot = 1; slot <= kSlotCount; ++slot) {
            EXPECT_EQ(LightingOf(window->record(slot)),
                      generated[first + static_cast<std::size_t>(slot - 1)])
                << "slot " << slot;
        }
    }
}

TEST_F(LightingWindowTest, EditsOnThePageReachTheSlotFileAndTheMouseByteForByteOnApply) {
    MakeWindowShowingLighting();
    ClickOnPage(cs::kSelectId);
    ClickOnPage(cs::kScrollWheelId);
    ClickOnPage(cs::GridCellId(2, 0));  // "31", cyan, both zones
    ClickOnPage(cs::kZone1ColourId);
    CColorPanel* panel = lighting().colourButton(cs::kZone1ColourId)->panel();
    ASSERT_TRUE(panel->isVisible());
    QTest::mouseClick(panel, Qt::LeftButton, {}, QPoint(70, 50));  // blue, zone 0 only
    ClickOnPage(cs::kEffectFirstId + 2);                           // "Pulsating"
    ClickOnPage(cs::kColorShiftId);

    ClickControl(window->controlButton(main::kApplyId));

    EXPECT_EQ(LightingOf(ReadSlotFile(1)), (LightingValues{17, 16 + 3, 0x00FF0000, 0x00FFFF00}));
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        // A slot file does not say which slot it is; the window tells the mouse.
        ProfileRecord fromFile = ReadSlotFile(slot);
        fromFile.slotIndex = static_cast<std::uint8_t>(slot - 1);
        const DeviceImageBuild built = BuildDeviceImage(fromFile);
        ASSERT_FALSE(built.refused());
        EXPECT_EQ(mouse.mouse.state().images[static_cast<std::size_t>(slot - 1)], *built.image)
            << "slot " << slot;
    }
}

TEST_F(LightingWindowTest, EnterPutsThePageIntoTheCurrentRecordWithoutASwitch) {
    MakeWindowShowingLighting();
    ClickControl(window->slotButton(2));
    ClickOnPage(cs::GridCellId(0, 0));  // "11", red
    ASSERT_EQ(window->record(2).zoneColours[0], ProfileRecord().zoneColours[0]);

    CTavEdit* red = lighting().colourField(0);
    red->setFocus();
    QTest::keyClick(red, Qt::Key_Return);

    EXPECT_EQ(window->record(2).zoneColours[0], 0x000000FFu);
    EXPECT_EQ(window->record(2).zoneColours[3], 0x000000FFu);
    EXPECT_EQ(window->record(1).zoneColours[0], ProfileRecord().zoneColours[0]);
    EXPECT_TRUE(window->isVisible());
}

}  // namespace
}  // namespace orvex::ui::testing
