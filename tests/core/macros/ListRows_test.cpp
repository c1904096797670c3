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
    const ShiftCase cases[] = {
        {"no rows", 0, 11, 0},
        {"rows that fit stay", 10, 11, 0},
        {"eleven rows: the top shows all of them", 11, 11, -4},
        {"the first position is the top", 30, 11, -4},
        {"below the range is the top too", 30, 0, -4},
        {"row 12 at the bottom", 30, 12, -40},
        {"the last row at the bottom", 30, 29, -(18 * 29 + 23 - kBottom)},
        {"past the last row: the last row", 30, 30, -(18 * 29 + 23 - kBottom)},
        {"twelve rows: the last position shows the twelfth", 12, 12, -22},
        {"twelve rows, past the end", 12, 500, -22},
    };
    for (const ShiftCase& c : cases) {
        EXPECT_EQ(ScrolledRowShift(c.rows, kVisible, c.position, kBottom), c.shift) << c.what;
    }
}

TEST(ScrolledRowShift, EveryRowIsWhollyShownAtSomePosition) {
    for (std::int64_t rows = 1; rows <= 40; ++rows) {
        for (std::int64_t row = 0; row < rows; ++row) {
            bool shown = false;
            for (std::int64_t position = kVisible; position <= rows && !shown; ++position) {
                const IntRect rect = StandardListRow(row, 200);
                const std::int32_t shift = ScrolledRowShift(rows, kVisible, position, kBottom);
                shown = rect.top + shift >= 0 && rect.bottom + shift <= kBottom;
            }
            // A list short of the range has only its first position.
            if (rows <= kVisible) {
                const std::int32_t shift = ScrolledRowShift(rows, kVisible, kVisible, kBottom);
                shown = StandardListRow(row, 200).bottom + shift <= kBottom;
            }
            EXPECT_TRUE(shown) << rows << " rows, row " << row;
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
