#include "charts/columnbands.h"

namespace corvessa::charts {

void shadeColumnBands(ResultGrid &grid, int drawCount, const ColumnBand &first, const ColumnBand &second) {
  for (int r = 1; r <= drawCount; ++r)
    for (const ColumnBand *band : {&first, &second})
      for (int c = band->first; c <= band->last; ++c) {
        grid.setBackColor(r, c, band->color);
        grid.setCurrentCell(r, c);
      }
}

}  // namespace corvessa::charts
