#include "ui/skin/MenuIdAllocator.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "core/device/VirtualClock.h"
#include "ui/sensor/CPopDlg.h"
#include "ui/skin/CTavComboButton.h"
#include "ui/skin/NotificationCodes.h"
#include "ui/skin/PopupMenu.h"

namespace orvex::ui {
namespace {

using namespace std::chrono_literals;

constexpr int kFirst = MenuIdAllocator::kFirstMenuId;

TEST(MenuIdAllocatorTest, IdIsTheTickCountKeptClearOfControlIdsAndReservedCodes) {
    struct Case {
        std::int64_t tick;
        int id;
    };
    const Case cases[] = {
        {0, kFirst},
        {CPopDlg::kOkId, kFirst + CPopDlg::kOkId},
        {kMenuHidingCode, kFirst + kMenuHidingCode},
        {kFirst - 1, 2 * kFirst - 1},
        {kFirst, kFirst},
        {0x12345678, 0x12345678},
        {0x7FFFFFFF, 0x7FFFFFFF},
        // Tick counts are 31-bit numbers here; later ones start again from the bottom.
        {0x80000000 + 7, kFirst + 7},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "tick " << c.tick);
        VirtualClock clock;
        clock.Advance(Milliseconds(c.tick));
        EXPECT_EQ(MenuIdAllocator(clock).Next(), c.id);
    }
}

TEST(MenuIdAllocatorTest, MenusMadeBeforeTheClockMovesOnGetTheNextIds) {
    VirtualClock clock;
    clock.Advance(5000ms);
    MenuIdAllocator ids(clock);
    EXPECT_EQ(ids.Next(), kFirst + 5000);
    EXPECT_EQ(ids.Next(), kFirst + 5001);
    EXPECT_EQ(ids.Next(), kFirst + 5002);
    clock.Advance(1ms);  // the tick is an id already given out
    EXPECT_EQ(ids.Next(), kFirst + 5003);
    clock.Advance(10ms);
    EXPECT_EQ(ids.Next(), kFirst + 5011);

    VirtualClock top;
    top.Advance(Milliseconds(MenuIdAllocator::kLastMenuId));
    MenuIdAllocator atTheTop(top);
    EXPECT_EQ(atTheTop.Next(), MenuIdAllocator::kLastMenuId);
    EXPECT_EQ(atTheTop.Next(), kFirst);
}

TEST(MenuIdAllocatorTest, ComboButtonsNameTheirMenusByTheAllocatorTheyAreGiven) {
    VirtualClock clock;
    MenuIdAllocator ids(clock);
    CTavComboButton first;
    CTavComboButton second;
    first.SetMenuIdAllocator(ids);
    second.SetMenuIdAllocator(ids);
    first.EnsureMenu();
    second.EnsureMenu();
    EXPECT_EQ(first.menu()->menuId(), kFirst);
    EXPECT_EQ(second.menu()->menuId(), kFirst + 1);

    // A button on its own names its menu by its clock, by the same rule.
    CTavComboButton standalone;
    standalone.SetClock(clock);
    standalone.EnsureMenu();
    EXPECT_EQ(standalone.menu()->menuId(), kFirst);
}

}  // namespace
}  // namespace orvex::ui
