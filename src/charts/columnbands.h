#pragma once
// Two bands of columns tinted down the draw rows, so the eye can follow a
// block of columns through a long chart.
#include "core/resultgrid.h"

namespace corvessa::charts {

struct ColumnBand {
  int first, last;  // columns, both included
  Rgb color;
};

// On draw rows 1..N, in each row the first band's columns and then the
// second's get their band's back colour. Row 0 and the rows under the draws
// are left alone. The current cell ends on the last cell tinted (row N, the
// second band's last column); with no draws it does not move. Marks written
// afterwards cover the tint.
void shadeColumnBands(ResultGrid &grid, int drawCount, const ColumnBand &first, const ColumnBand &second);

}  // namespace corvessa::charts
