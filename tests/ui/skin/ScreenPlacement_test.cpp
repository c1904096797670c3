#include "ui/skin/ScreenPlacement.h"

#include <gtest/gtest.h>

namespace orvex::ui {
namespace {

// A 1000 x 700 screen whose panel takes the top 30 rows.
const QRect kArea(0, 30, 1000, 670);

TEST(ScreenPlacementTest, APopUpCrossingAnEdgeFlipsAboutItsAnchorOrElseShiftsInside) {
    struct Case {
        const char* what;
        QRect wanted;
        std::optional<QRect> anchor;
        QRect expected;
    };
    const QRect button(400, 660, 160, 24);      // a drop-down button near the bottom
    const QRect parentMenu(880, 200, 100, 20);  // a menu's width and the row of its entry
    const Case cases[] = {
        {"inside stays", QRect(100, 100, 120, 80), QRect(100, 100, 0, 0), QRect(100, 100, 120, 80)},
        {"a list below its button goes above it", QRect(400, 684, 158, 90), button,
         QRect(400, 570, 158, 90)},
        {"a sub-menu at the right edge opens left, overlapping as much", QRect(975, 195, 50, 60),
         parentMenu, QRect(835, 195, 50, 60)},
        {"a sub-menu at the bottom opens upwards from its entry", QRect(975 - 200, 650, 50, 60),
         QRect(700, 655, 80, 20), QRect(775, 620, 50, 60)},
        {"a tray menu above the pointer at the top panel drops below it", QRect(880, 2, 120, 46),
         QRect(1000, 48, 0, 0), QRect(880, 48, 120, 46)},
        {"a tray menu left of the pointer at the left edge goes right of it",
         QRect(-110, 400, 120, 46), QRect(10, 446, 0, 0), QRect(10, 400, 120, 46)},
        {"no room on the other side either: shifted just inside", QRect(400, 684, 158, 650), button,
         QRect(400, 50, 158, 650)},
        {"without an anchor: shifted", QRect(950, 10, 120, 46), std::nullopt,
         QRect(880, 30, 120, 46)},
        {"larger than the area: its top on the area's top", QRect(10, 10, 200, 900), std::nullopt,
         QRect(10, 30, 200, 900)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PlaceOnScreen(c.wanted, kArea, c.anchor), c.expected) << c.what;
    }
}

}  // namespace
}  // namespace orvex::ui
