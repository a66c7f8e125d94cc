#include "charts/families/regions.h"

#include "charts/drawrows.h"
#include "charts/groupmarks.h"
#include "charts/palette.h"

#include <utility>
#include <vector>

namespace corvessa::charts {

void markRegionCell(ResultGrid &grid, int row, int col, ResultGrid::TextId text, Rgb back) {
  grid.setCurrentCell(row, col);
  grid.setTextId(row, col, text);
  grid.setBackColor(row, col, back);
}

void markMatchingHeaders(ResultGrid &grid, int row, int firstCol, int lastCol, ResultGrid::TextId text, Rgb back) {
  const std::span<const ResultGrid::TextId> headers = std::as_const(grid).rowTextIds(0);
  for (int c = firstCol; c <= lastCol; ++c)
    if (headers[std::size_t(c)] == text)
      markRegionCell(grid, row, c, text, back);
}

void fillRegionDrawRows(ResultGrid &grid, const DrawHistory &history, int drawCount,
                        std::span<const RegionDigit> cells) {
  fillDrawRows(grid, history);
  std::vector<ResultGrid::TextId> digits;
  for (const RegionDigit &cell : cells)
    digits.push_back(grid.intern(std::string_view(cell.digit)));
  // Row by row: a row's cells lie side by side, and a long grid is walked once.
  for (int r = 1; r <= drawCount; ++r) {
    const std::span<ResultGrid::TextId> row = grid.rowTextIds(r);
    for (std::size_t i = 0; i < cells.size(); ++i)
      row[std::size_t(cells[i].col)] = digits[i];
  }
}

void writeRegionHeaders(ResultGrid &grid, std::span<const RegionColumns> regions, int firstPatternCol,
                        std::span<const std::string_view> patterns) {
  writeDigitHeaders(grid);
  for (const RegionColumns &region : regions)
    for (int c = region.first; c <= region.last; ++c)
      grid.setText(0, c, region.header);
  writeGroupHeaders(grid, firstPatternCol, patterns);
}

void markRegionDigits(ResultGrid &grid, int drawCount, std::span<const RegionColumns> regions) {
  for (int r = 1; r <= drawCount; ++r) {
    const std::span<const ResultGrid::TextId> row = std::as_const(grid).rowTextIds(r);
    for (int k = 1; k <= 3; ++k) {
      const ResultGrid::TextId digit = row[std::size_t(k)];
      for (const RegionColumns &region : regions)
        for (int c = region.first; c <= region.last; ++c)
          if (row[std::size_t(c)] == digit) {
            grid.setCurrentCell(r, c);
            grid.setBackColor(r, c, kSand);
          }
    }
  }
}

}  // namespace corvessa::charts
