#pragma once
// Marks the draws whose box key lies inside the digit group written in a
// column's header.
#include "core/drawfile.h"
#include "core/resultgrid.h"

#include <span>
#include <string_view>

namespace corvessa::charts {

inline constexpr int kKeyCol = 4;            // the box key column
inline constexpr int kFirstGroupCol = 5;

// The draw rows of a chart that marks groups by the box key: the label and
// H, T, U under their headers, and the box key in column 4.
void fillBoxKeyDrawRows(ResultGrid &grid, const DrawHistory &history);
// Fixed groups as the headers of columns firstCol, firstCol + 1, ... in list order.
void writeGroupHeaders(ResultGrid &grid, int firstCol, std::span<const std::string_view> groups);

// The match count of a draw row against a group column: the pairs (i, j) of
// equal characters, i over the header (0, col) and j over the key (row, 4).
// For distinct digits this is how many of the key's digits lie in the group.
// The group is as long as its header: a length stated beside the groups
// could only disagree with them.
int groupMatchCount(const ResultGrid &grid, int row, int col);

// Writes `mark` into (r, c), for draw rows 1..N and group columns 5..lastCol,
// where the match count is 3 (a 6 Way Box draw inside the group). With
// `threeWayBox`, a count of 2 with a two-digit key (a 3 Way Box draw inside
// the group) is marked too, on red; with `redHitBecomesCurrent` each such
// cell becomes the grid's current cell as it is painted.
void markGroupHits(ResultGrid &grid, int drawCount, int lastCol, std::string_view mark, bool threeWayBox = false,
                   bool redHitBecomesCurrent = false);

}  // namespace corvessa::charts
