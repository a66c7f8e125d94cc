#include "charts/sumrows.h"

#include "charts/drawrows.h"

#include <algorithm>

namespace corvessa::charts {

void fillSumWidthColumns(ResultGrid &grid, const DrawHistory &history, const SumWidthColumns &columns) {
  ResultGrid::TextId numbers[28];
  for (int v = 0; v <= 27; ++v)
    numbers[v] = grid.internNumber(v);
  // A column without a colour of its own keeps what its cells have.
  const std::uint8_t sumBack = grid.paletteIndex(columns.sumBack), widthBack = grid.paletteIndex(columns.widthBack);
  int row = 1;
  for (const DrawRecord &draw : history.draws) {
    if (columns.sumCol != kNoColumn) {
      grid.setTextId(row, columns.sumCol, numbers[draw.h + draw.t + draw.u]);
      if (sumBack != 0)
        grid.setBackColorIndex(row, columns.sumCol, sumBack);
    }
    if (columns.widthCol != kNoColumn) {
      const auto [low, high] = std::minmax({draw.h, draw.t, draw.u});
      grid.setTextId(row, columns.widthCol, numbers[high - low]);
      if (widthBack != 0)
        grid.setBackColorIndex(row, columns.widthCol, widthBack);
    }
    ++row;
  }
}

void fillSumRows(ResultGrid &grid, const DrawHistory &history) {
  fillDrawRows(grid, history);
  fillSumWidthColumns(grid, history, {.widthCol = kNoColumn});
  if (!history.draws.empty())
    grid.setCurrentCell(int(history.draws.size()), 4);
}

}  // namespace corvessa::charts
