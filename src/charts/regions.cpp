#include "charts/regions.h"

namespace corvessa::charts {

void prefillRegionDigits(ResultGrid &grid, int drawCount, std::span<const RegionDigit> cells) {
  for (const RegionDigit &cell : cells) {
    const ResultGrid::TextId digit = grid.intern(std::string_view(cell.digit));
    for (int r = 1; r <= drawCount; ++r)
      grid.setTextId(r, cell.col, digit);
  }
}

void writeRegionHeaders(ResultGrid &grid, std::span<const RegionColumns> regions) {
  for (const RegionColumns &region : regions)
    for (int c = region.first; c <= region.last; ++c)
      grid.setText(0, c, region.header);
}

void markRegionDigits(ResultGrid &grid, int drawCount, std::span<const RegionColumns> regions) {
  for (int r = 1; r <= drawCount; ++r)
    for (int k = 1; k <= 3; ++k) {
      const ResultGrid::TextId digit = grid.textId(r, k);
      for (const RegionColumns &region : regions)
        for (int c = region.first; c <= region.last; ++c)
          if (grid.textId(r, c) == digit) {
            grid.setCurrentCell(r, c);
            grid.setBackColor(r, c, kRegionDigitHit);
          }
    }
}

}  // namespace corvessa::charts
