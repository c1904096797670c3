// The lighting page of the built program under Xvfb: clicked as a user clicks it, colour panel
// included, then applied; the virtual mouse must hold exactly what the slot files say.
#include <gtest/gtest.h>

#include <QTest>

#include "core/profiles/ProfileFile.h"
#include "ui/layout/ColorSettingsLayout.h"
#include "ui/layout/MainWindowLayout.h"
#include "x11/ProgramUnderTest.h"

namespace orvex::testing {
namespace {

namespace cs = ui::layout::colorsettings;
namespace main = ui::layout::mainwindow;

bool PanelShown() {
    return !ProgramUnderTest::VisibleWindows(QStringLiteral("^panel$")).isEmpty();
}

class LightingProgramTest : public ProgramUnderTest {
  protected:
    // A click at a point of the colour panel that opens under the swatch at `swatch`.
    void ClickInPanelUnder(const ui::layout::LayoutRect& swatch, QPoint inPanel) const {
        ClickInWindow(QPoint(main::kPageOrigin.x + swatch.left + inPanel.x(),
                             main::kPageOrigin.y + swatch.bottom() + inPanel.y()));
    }
};

TEST_F(LightingProgramTest, ClickedLightingReachesTheSlotFileAndTheMouseByteForByte) {
    StartAndWaitForWindow();
    ClickInWindow(main::kPageTabs[2]);
    ClickOnPage(cs::kSelect);
    ClickOnPage(cs::kScrollWheel);
    ClickOnPage(cs::kLogoType);
    ClickOnPage(cs::GridCell(2, 0));  // "31", cyan in both zones

    ClickOnPage(cs::kZone1Colour);
    ASSERT_TRUE(QTest::qWaitFor(PanelShown, kStartMs)) << "the colour panel opens";
    ClickInPanelUnder(cs::kZone1Colour, QPoint(21, 10));  // the gap after the first cell
    EXPECT_TRUE(PanelShown()) << "a gap picks nothing";
    ClickInPanelUnder(cs::kZone1Colour, QPoint(70, 50));  // cell 14, blue, the wheel only
    EXPECT_TRUE(QTest::qWaitFor([] { return !PanelShown(); }, kStartMs)) << "a pick closes it";

    ClickOnPage(cs::kEffects[3]);  // "Breathing"
    ClickOnPage(cs::kColorShift);
    ClickInWindow(main::kApply);
    ASSERT_TRUE(WaitUntilMouseHoldsTheSlotFiles());

    ProfileRecord record;
    ASSERT_EQ(LoadProfile(SlotFile(1), record), ProfileLoadStatus::Loaded);
    EXPECT_EQ(record.lightingZones, 25);
    EXPECT_EQ(record.lightingEffect, 16 + 4);
    EXPECT_EQ(record.zoneColours[0], 0x00FF0000u);
    EXPECT_EQ(record.zoneColours[3], 0x00FFFF00u);
    EXPECT_EQ(MouseImage(1), SlotFileImage(1));
}

}  // namespace
}  // namespace orvex::testing
