#include "core/macros/ListRows.h"

#include <algorithm>

namespace orvex {
namespace {

constexpr std::int32_t kFirstRowTop = 5;
constexpr std::int32_t kRowLeft = 4;
constexpr std::int32_t kRowRightInset = 2;

// The bottom of row `index` at its standard place; 64-bit, as a damaged macro file may make a
// list of any length.
std::int64_t StandardBottom(std::int64_t index) {
    return std::int64_t{kListRowHeight} * index + kFirstRowTop + kListRowHeight;
}

}  // namespace

IntRect StandardListRow(std::int64_t index, std::int32_t rightEdge) {
    const std::int64_t bottom = StandardBottom(index);
    return {kRowLeft, static_cast<std::int32_t>(bottom - kListRowHeight),
            static_cast<std::int32_t>(std::int64_t{rightEdge} - kRowRightInset),
            static_cast<std::int32_t>(bottom)};
}

std::int32_t VisibleListRows(std::int32_t height) {
    return std::max(0, height / kListRowHeight);
}

std::int32_t FirstScrollPosition(std::int32_t visibleRows) {
    return std::max(0, visibleRows - 1);
}

std::int32_t ScrolledRowShift(std::int64_t rowCount, std::int32_t visibleRows,
                              std::int64_t position, std::int32_t bottom) {
    if (rowCount <= 0) {
        return 0;
    }
    const std::int64_t atBottom = std::clamp<std::int64_t>(
        position, std::min<std::int64_t>(FirstScrollPosition(visibleRows), rowCount - 1),
        rowCount - 1);
    const std::int64_t shift = std::int64_t{bottom} - StandardBottom(atBottom);
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(shift, INT32_MIN, 0));
}

}  // namespace orvex
