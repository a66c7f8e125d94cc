#pragma once
// The region charts: fixed regions of digits, each region's digits written on
// every draw row, and the cells that equal one of the draw's digits coloured.
#include "core/resultgrid.h"

#include <span>

namespace corvessa::charts {

// A region digit written into a column of every draw row.
struct RegionDigit {
  int col;
  const char *digit;
};

// The columns of one region, and the text over each of them.
struct RegionColumns {
  int first, last;
  const char *header;
};

inline constexpr Rgb kRegionDigitHit = rgb(255, 223, 157);

// Each pair's digit into its column, on draw rows 1..N.
void prefillRegionDigits(ResultGrid &grid, int drawCount, std::span<const RegionDigit> cells);
// The region's header over each of its columns.
void writeRegionHeaders(ResultGrid &grid, std::span<const RegionColumns> regions);
// On draw rows 1..N, every cell of the regions whose text equals one of the
// draw's digits (columns 1..3) gets the hit colour and becomes the current cell.
void markRegionDigits(ResultGrid &grid, int drawCount, std::span<const RegionColumns> regions);

}  // namespace corvessa::charts
