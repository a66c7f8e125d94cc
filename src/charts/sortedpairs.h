#pragma once
// The pairs of a draw's digits sorted ascending, each written smaller digit
// first: d1d2, d1d3 and d2d3. The draw 7 3 0 gives "03", "07" and "37"; the
// draw 3 7 3 gives "33", "37" and "37". The pair charts write them beside the
// draw and mark the header columns they equal.
#include "core/drawfile.h"
#include "core/resultgrid.h"

#include <array>

namespace corvessa::charts {

// The three pairs of a draw as numbers 10 * smaller + larger, in column order.
std::array<int, 3> sortedPairCodes(const DrawRecord &draw);

// The pair's text: 37 gives "37", 5 gives "05".
ResultGrid::TextId internPair(ResultGrid &grid, int code);

// Rows 1..N: the draw's three sorted pairs in columns firstCol..firstCol + 2.
// Size the grid first.
void fillSortedPairs(ResultGrid &grid, const DrawHistory &history, int firstCol);

// For draw rows 1..N, each of the pair columns pairCol..pairCol + 2 in turn
// and each header column first..last: where the pair's text equals the
// header's, the cell gets the header's text on `mark` and becomes the
// current cell. A pair that a draw holds twice marks the same cell twice.
void markPairsUnderHeaders(ResultGrid &grid, int drawCount, int pairCol, int first, int last, Rgb mark);

}  // namespace corvessa::charts
