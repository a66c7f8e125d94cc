#pragma once
// Columns of values: two bands tinted down the draw rows, so the eye can
// follow a block of columns through a long chart, and a value shown again in
// the column that stands for it.
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

// The number in cell (row, valueCol) again in column firstCol + that number
// of the same row, on `back`; that cell becomes the current cell. An empty
// cell has no value and is left alone.
void markValueInItsColumn(ResultGrid &grid, int row, int valueCol, int firstCol, Rgb back);

}  // namespace corvessa::charts
