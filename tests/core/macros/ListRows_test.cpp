#include "core/macros/ListRows.h"

#include <gtest/gtest.h>

namespace orvex {
namespace {

// The lists of the macro page: 199 pixels high, so 11 rows count as visible, while the eleventh
// (5 + 11 x 18 = 203) already reaches 4 pixels past the bottom edge.
constexpr std::int32_t kBottom = 199;
constexpr std::int32_t kVisible = 11;

struct ShiftCase {
    const char* what;
    std::int64_t rows;
    std::int64_t position;
    std::int32_t shift;
};

TEST(ScrolledRowShift, PositionsNameTheRowAtTheBottomEdge) {
    ASSERT_EQ(FirstScrollPosition(kVisible), 10);
    const ShiftCase cases[] = {
        {"no rows", 0, 10, 0},
        {"rows that fit stay", 10, 10, 0},
        {"eleven rows: the top shows all of them", 11, 10, -4},
        {"the first position is the top", 30, 10, -4},
        {"before the range is the top too", 30, 0, -4},
        {"row 11 at the bottom", 30, 11, -22},
        {"row 12 at the bottom", 30, 12, -40},
        {"the last row at the bottom", 30, 29, -(18 * 29 + 23 - kBottom)},
        {"past the last row: the last row", 30, 30, -(18 * 29 + 23 - kBottom)},
        {"twelve rows: the last row's position shows it", 12, 11, -22},
        {"twelve rows, past the end", 12, 500, -22},
    };
    for (const ShiftCase& c : cases) {
        EXPECT_EQ(ScrolledRowShift(c.rows, kVisible, c.position, kBottom), c.shift) << c.what;
    }
}

TEST(ScrolledRowShift, ScrollingToARowShowsItWhole) {
    // What the lists rely on: scrolling to a new or selected row's index shows it.
    for (std::int64_t rows = 1; rows <= 40; ++rows) {
        for (std::int64_t row = 0; row < rows; ++row) {
            const IntRect rect = StandardListRow(row, 200);
            const std::int32_t shift = ScrolledRowShift(rows, kVisible, row, kBottom);
            EXPECT_TRUE(rect.top + shift >= 0 && rect.bottom + shift <= kBottom)
                << rows << " rows, row " << row;
        }
    }
}

TEST(ScrolledRowShift, HugeListsDoNotOverflow) {
    EXPECT_EQ(ScrolledRowShift(INT64_C(1) << 40, kVisible, INT64_C(1) << 40, kBottom), INT32_MIN);
}

TEST(StandardListRow, RowsAreEighteenPixelsFromFiveDown) {
    EXPECT_EQ(StandardListRow(0, 200), (IntRect{4, 5, 198, 23}));
    EXPECT_EQ(StandardListRow(3, 176), (IntRect{4, 59, 174, 77}));
    EXPECT_EQ(VisibleListRows(199), 11);
    EXPECT_EQ(VisibleListRows(-5), 0);
}

}  // namespace
}  // namespace orvex
