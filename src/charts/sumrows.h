#pragma once
// Each draw's digit sum and width beside its digits, for the charts that
// read them next to the draw.
#include "charts/palette.h"
#include "core/drawfile.h"
#include "core/resultgrid.h"

namespace corvessa::charts {

inline constexpr int kNoColumn = -1;

// Where a chart writes the sum S = H + T + U and the width W (the largest
// digit less the smallest), and their back colours (0: none of their own).
struct SumWidthColumns {
  int sumCol = 4;
  int widthCol = 5;
  Rgb sumBack = kSkyBlue;
  Rgb widthBack = 0;
};

// Rows 1..N: each draw's sum and width in their columns; a column of
// kNoColumn is not written. The current cell does not move. Size the grid first.
void fillSumWidthColumns(ResultGrid &grid, const DrawHistory &history, const SumWidthColumns &columns);

// Rows 1..N: the label " 105:123" in column 0, H, T and U in columns 1..3,
// and H + T + U in column 4 on kSkyBlue. The current cell ends on the last
// sum written; with no draws it does not move. Size the grid first.
void fillSumRows(ResultGrid &grid, const DrawHistory &history);

}  // namespace corvessa::charts
