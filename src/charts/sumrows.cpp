#include "charts/palette.h"
#include "charts/sumrows.h"

#include "charts/drawrows.h"

namespace corvessa::charts {

void fillSumRows(ResultGrid &grid, const DrawHistory &history) {
  fillDrawRows(grid, history);
  constexpr int kSumCol = 4;
  ResultGrid::TextId sums[28];
  for (int s = 0; s <= 27; ++s)
    sums[s] = grid.internNumber(s);
  int row = 1;
  for (const DrawRecord &draw : history.draws) {
    grid.setTextId(row, kSumCol, sums[draw.h + draw.t + draw.u]);
    grid.setBackColor(row, kSumCol, kSkyBlue);
    grid.setCurrentCell(row, kSumCol);
    ++row;
  }
}

}  // namespace corvessa::charts
