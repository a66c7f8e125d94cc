// "Five Regions Pairs[05 16 27 38 49]": the ten digits in five regions, each
// a pair of digits 5 apart. Every draw shows its width and sum, the region
// whose two digits it holds, and its digits on a 0-to-9 scale; a digit that
// repeats in its position from one draw to the next turns red, and arrows
// mark alternate blocks of 22 rows from row 39 on.
#include "tools/pairs/tools.h"

#include "charts/drawrows.h"
#include "charts/palette.h"
#include "charts/sortedpairs.h"
#include "charts/standardwindow.h"
#include "charts/sumrows.h"

namespace corvessa::tools {
namespace {

using namespace charts;

constexpr int kWidthCol = 4, kSumCol = 5, kArrowCol = 6, kFirstPairCol = 7, kFiveApartCol = 10;
constexpr int kFirstRegionCol = 11, kLastRegionCol = 15;
constexpr int kFirstScaleCol = 17, kLastScaleCol = 26;
constexpr const char *kRegions[] = {"05", "16", "27", "38", "49"};
constexpr int kFirstArrowRow = 39, kArrowBlockRows = 22;

// "Help" is shown but the window has no page for it. A press on a cell
// toggles the highlight, the blue of the width, sum and scale cells.
ToolDesign design() {
  return standardWindow({.id = titledWindow("frmdaimaduizi", "Five Regions Pairs[05 16 27 38 49]"),
                         .cols = 28,
                         .widths = {{0, 0, 1290},
                                    {1, 5, 300},
                                    {kArrowCol, kFirstPairCol + 2, 2},
                                    {kFiveApartCol, 27, 300},
                                    {16, 16, 540},
                                    {27, 27, 540}},
                         .highlight = kSkyBlue});
}

void fillFiveRegionRows(ResultGrid &grid, const DrawHistory &history);
void writeHeaders(ResultGrid &grid);
void markArrowRows(ResultGrid &grid, int drawCount);
void plotDigitColumns(ResultGrid &grid, int drawCount);
void markPositionRepeats(ResultGrid &grid, int drawCount);

void load(ToolWindowState &state, const DrawHistory &history) {
  ResultGrid &grid = startDrawRows(state);
  const int n = state.drawCount;
  fillFiveRegionRows(grid, history);
  writeHeaders(grid);
  showSpareRow(grid, n);
  markArrowRows(grid, n);
  // The region headers are the region pairs themselves.
  markPairsUnderHeaders(grid, n, kFirstPairCol, kFirstRegionCol, kLastRegionCol, kRed);
  plotDigitColumns(grid, n);
  markPositionRepeats(grid, n);
}

// The label and the digits, the sum and the width on blue, the pairs of the
// sorted digits, and the first pair whose digits are 5 apart on red with
// "-Y-" beside the pairs.
void fillFiveRegionRows(ResultGrid &grid, const DrawHistory &history) {
  fillDrawRows(grid, history);
  fillSortedPairs(grid, history, kFirstPairCol);
  fillSumWidthColumns(grid, history,
                      {.sumCol = kSumCol, .widthCol = kWidthCol, .sumBack = kSkyBlue, .widthBack = kSkyBlue});
  const ResultGrid::TextId fiveApart = grid.intern(std::string_view("-Y-"));
  int row = 1;
  for (const DrawRecord &draw : history.draws) {
    Digits d{draw.h, draw.t, draw.u};
    sortDigitsAscending(d);
    // In the order of the pair columns: d1d2, d1d3, d2d3.
    const int pairCol = d[1] - d[0] == 5 ? kFirstPairCol
                        : d[2] - d[0] == 5 ? kFirstPairCol + 1
                        : d[2] - d[1] == 5 ? kFirstPairCol + 2
                                           : -1;
    if (pairCol >= 0) {
      grid.setBackColor(row, pairCol, kRed);
      grid.setTextId(row, kFiveApartCol, fiveApart);
    }
    ++row;
  }
}

void writeHeaders(ResultGrid &grid) {
  writeDigitHeaders(grid);
  grid.setText(0, kWidthCol, "W");
  grid.setText(0, kSumCol, "S");
  for (int i = 0; i < 5; ++i)
    grid.setText(0, kFirstRegionCol + i, kRegions[i]);
  for (int c = kFirstScaleCol; c <= kLastScaleCol; ++c)
    grid.setNumber(0, c, c - kFirstScaleCol);
}

// Rows 39 to 60 get the arrow, 61 to 82 not, 83 to 104 again, and so on,
// down to the spare row at most.
void markArrowRows(ResultGrid &grid, int drawCount) {
  const ResultGrid::TextId arrow = grid.intern(std::string_view("\u2193"));
  for (int r = kFirstArrowRow; r <= drawCount + 1; ++r)
    if ((r - kFirstArrowRow) % (2 * kArrowBlockRows) < kArrowBlockRows) {
      grid.setCurrentCell(r, kArrowCol);
      grid.setTextId(r, kArrowCol, arrow);
    }
}

// Each digit of the draw again in the scale column of its value.
void plotDigitColumns(ResultGrid &grid, int drawCount) {
  for (int r = 1; r <= drawCount; ++r)
    for (int c = 1; c <= 3; ++c) {
      const int d = cellDigit(grid, r, c);
      if (d < 0)
        continue;  // the reader leaves out draws with other digits
      grid.setCurrentCell(r, kFirstScaleCol + d);
      grid.setBackColor(r, kFirstScaleCol + d, kSkyBlue);
      grid.setTextId(r, kFirstScaleCol + d, grid.textId(r, c));
    }
}

// A digit equal to the one above it in the same position: both cells red.
void markPositionRepeats(ResultGrid &grid, int drawCount) {
  for (int r = 1; r <= drawCount - 1; ++r)
    for (int c = 1; c <= 3; ++c)
      if (grid.textView(r + 1, c) == grid.textView(r, c)) {
        grid.setBackColor(r, c, kRed);
        grid.setBackColor(r + 1, c, kRed);
      }
}

}  // namespace

ToolEntry frmdaimaduizi() { return {design(), load}; }

}  // namespace corvessa::tools
