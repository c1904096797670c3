#pragma once

#include <cstdint>

#include "core/macros/IntRect.h"

namespace orvex {

// The rows of the macro page's two lists (the macro list and the event list) share one geometry:
// 18 pixels high, laid out from 5 pixels below the top, 4 pixels in from the left and 2 short of
// the right edge.
inline constexpr std::int32_t kListRowHeight = 18;

// Row `index` at its standard place, in a list whose right edge is `rightEdge`.
IntRect StandardListRow(std::int64_t index, std::int32_t rightEdge);

// How many rows a list of that height counts as showing (whole rows, rounded down).
std::int32_t VisibleListRows(std::int32_t height);

// Scrolling: a position names the row that ends at the list's bottom edge. The first position
// shows the list from its top, with the last of its visible rows at the bottom edge (all of them
// whole); positions before it show the top too and positions past the last row show the last
// row. Rows never move down from their standard places, so rows that fit stay where they are.
std::int32_t FirstScrollPosition(std::int32_t visibleRows);

// How far every row moves (up: the result is 0 or negative) from its standard place when a list
// with `visibleRows` is scrolled to `position`.
std::int32_t ScrolledRowShift(std::int64_t rowCount, std::int32_t visibleRows,
                              std::int64_t position, std::int32_t bottom);

}  // namespace orvex
