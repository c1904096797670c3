// The sensor page in the real main window: what the window moves through it comes back unchanged.
#include <gtest/gtest.h>

#include "ui/app/MainWindowRig.h"
#include "ui/sensor/CSensorDlg.h"
#include "ui/sensor/SensorPageRig.h"
#include "ui/skin/CTavButton.h"
#include "ui/skin/CTavStatic.h"
#include "ui/skin/MessageBox.h"

namespace orvex::ui::testing {
namespace {

TEST_F(MainWindowTest, TheSensorPageGivesBackEveryProfileAcrossSlotAndPageSwitchesAndApply) {
    const std::vector<ProfileRecord> profiles = GenerateSensorProfiles(30, 2024);
    const auto profileOf = [&](std::size_t round, int slot) -> const ProfileRecord& {
        return profiles[round * kSlotCount + static_cast<std::size_t>(slot - 1)];
    };
    for (std::size_t round = 0; round < profiles.size() / kSlotCount; ++round) {
        SCOPED_TRACE(::testing::Message() << "round " << round);
        for (int slot = 1; slot <= kSlotCount; ++slot) {
            WriteSlotFile(slot, profileOf(round, slot));
        }
        MakeWindowWith({CTESKDlg::kSensorPage});
        auto* sensor = dynamic_cast<CSensorDlg*>(window->profilePage(CTESKDlg::kSensorPage));
        ASSERT_NE(sensor, nullptr) << "the program's own sensor page";
        ClickControl(window->pageButton(CTESKDlg::kSensorPage));
        for (const int slot : {3, 5, 2, 4, 1}) {
            ClickControl(window->slotButton(slot));
            EXPECT_EQ(sensor->stepXLabels()[0]->isVisible(), profileOf(round, slot).xySeparate != 0)
                << "the window's notice laid the labels out for slot " << slot;
            ClickControl(window->pageButton(CTESKDlg::kLightingPage));
            ClickControl(window->pageButton(CTESKDlg::kSensorPage));
        }
        window->ApplySettings();
        EXPECT_TRUE(MessageBox::TakeShownTexts().isEmpty());
        for (int slot = 1; slot <= kSlotCount; ++slot) {
            EXPECT_EQ(SensorFields::Of(ReadSlotFile(slot)),
                      SensorFields::Of(profileOf(round, slot)))
                << "slot " << slot;
        }
    }
}

}  // namespace
}  // namespace orvex::ui::testing
