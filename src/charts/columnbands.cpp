#include "charts/columnbands.h"

#include "charts/missstats.h"

namespace corvessa::charts {

void shadeColumnBands(ResultGrid &grid, int drawCount, const ColumnBand &first, const ColumnBand &second) {
  for (int r = 1; r <= drawCount; ++r)
    for (const ColumnBand *band : {&first, &second})
      for (int c = band->first; c <= band->last; ++c) {
        grid.setBackColor(r, c, band->color);
        grid.setCurrentCell(r, c);
      }
}

void markValueInItsColumn(ResultGrid &grid, int row, int valueCol, int firstCol, Rgb back) {
  const ResultGrid::TextId value = grid.textId(row, valueCol);
  if (value == 0)
    return;
  const int c = firstCol + int(leadingNumber(grid.viewOf(value)));
  grid.setCurrentCell(row, c);
  grid.setTextId(row, c, value);
  grid.setBackColor(row, c, back);
}

}  // namespace corvessa::charts
