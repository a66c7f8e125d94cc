#pragma once
// Draw rows with the digit sum beside the digits, for the charts that read
// the sum next to the draw.
#include "core/drawfile.h"
#include "core/resultgrid.h"

namespace corvessa::charts {

// The back colour of the sum column.

// Rows 1..N: the label " 105:123" in column 0, H, T and U in columns 1..3,
// and H + T + U in column 4 on kSkyBlue. The current cell ends on the
// last sum written; with no draws it does not move. Size the grid first.
void fillSumRows(ResultGrid &grid, const DrawHistory &history);

}  // namespace corvessa::charts
