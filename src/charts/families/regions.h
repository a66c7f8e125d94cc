#pragma once
// The region charts: fixed regions of digits, each region's digits written on
// every draw row, and the cells that equal one of the draw's digits coloured.
#include "charts/framework/tool.h"
#include "core/resultgrid.h"

#include <span>
#include <string_view>

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

inline constexpr Rgb kRegionPatternBack = rgb(127, 182, 200);

// Both region charts' standard windows have "Help" 5 twips right of its usual place.
inline constexpr TwipsRect kRegionHelpPlace = {8765, 6000, 1335, 375};

// Makes (row, col) current and gives it the text and back colour.
void markRegionCell(ResultGrid &grid, int row, int col, ResultGrid::TextId text, Rgb back);
// Marks, on `row`, each column of first..last whose header is `text`.
void markMatchingHeaders(ResultGrid &grid, int row, int firstCol, int lastCol, ResultGrid::TextId text, Rgb back);

// The draw rows 1..N: the label, H, T and U, and each pair's digit into its column.
void fillRegionDrawRows(ResultGrid &grid, const DrawHistory &history, int drawCount,
                        std::span<const RegionDigit> cells);
// The headers: H, T and U, each region's header over each of its columns,
// and the patterns over the columns from firstPatternCol on.
void writeRegionHeaders(ResultGrid &grid, std::span<const RegionColumns> regions, int firstPatternCol,
                        std::span<const std::string_view> patterns);
// On draw rows 1..N, every cell of the regions whose text equals one of the
// draw's digits (columns 1..3) gets the hit colour and becomes the current cell.
void markRegionDigits(ResultGrid &grid, int drawCount, std::span<const RegionColumns> regions);

}  // namespace corvessa::charts
