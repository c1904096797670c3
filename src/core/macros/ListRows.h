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

// How far every row moves, up, from its standard place when a list is scrolled to `position`.
// A position names the row that ends at the list's bottom edge; the scroll range runs from the
// number of visible rows to the number of rows. The first position shows the list from the top
// (the last of the visible rows ends at the bottom edge, or the rows stay where they are when
// they fit), positions past the last row show the last row, and rows never move down from their
// standard places, so no position hides the first or the last row for good.
std::int32_t ScrolledRowShift(std::int64_t rowCount, std::int32_t visibleRows,
                              std::int64_t position, std::int32_t bottom);

}  // namespace orvex
