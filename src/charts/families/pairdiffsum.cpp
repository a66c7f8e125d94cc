#include "charts/families/pairdiffsum.h"

#include "charts/columnbands.h"
#include "charts/drawrows.h"
#include "charts/missstats.h"
#include "charts/palette.h"
#include "charts/standardwindow.h"

namespace corvessa::charts {

namespace {

constexpr int kDiffCol = 5, kFirstDiffValueCol = 6, kLastDiffValueCol = 15;
constexpr int kSumCol = 17, kFirstSumValueCol = 18, kLastSumValueCol = 35;
// The narrow spacers (60 twips) are columns 4, 16 and 36.
// The middle differences 3 to 6 and the middle sums 5 to 13.
constexpr ColumnBand kDiffBand{9, 12, rgb(255, 231, 255)};
constexpr ColumnBand kSumBand{22, 30, rgb(194, 225, 219)};

// The member's pair of the sorted digits, the larger first.
struct PairOfSorted {
  int larger, smaller;  // indexes into the sorted digits
};
PairOfSorted pairOf(SortedDigitPair pair) {
  switch (pair) {
    case SortedDigitPair::LargeSmall:
      return {2, 0};
    case SortedDigitPair::LargeMiddle:
      return {2, 1};
    case SortedDigitPair::MiddleSmall:
      return {1, 0};
  }
  return {2, 0};
}

// The label and the digits in draw order, then the pair's difference and sum.
void fillDrawRowsWithDiffSum(ResultGrid &grid, const DrawHistory &history, SortedDigitPair pair) {
  fillDrawRows(grid, history);
  const PairOfSorted p = pairOf(pair);
  ResultGrid::TextId numbers[19];
  for (int v = 0; v <= 18; ++v)
    numbers[v] = grid.internNumber(v);
  int row = 1;
  for (const DrawRecord &draw : history.draws) {
    Digits d{draw.h, draw.t, draw.u};
    sortDigitsAscending(d);
    const int a = d[std::size_t(p.larger)], b = d[std::size_t(p.smaller)];
    grid.setTextId(row, kDiffCol, numbers[a - b]);
    grid.setTextId(row, kSumCol, numbers[a + b]);
    ++row;
  }
}

void writeHeaders(ResultGrid &grid) {
  writeDigitHeaders(grid);
  grid.setText(0, kDiffCol, "-");
  grid.setText(0, kSumCol, "+");
  for (int c = kFirstDiffValueCol; c <= kLastDiffValueCol; ++c)
    grid.setNumber(0, c, c - kFirstDiffValueCol);
  for (int c = kFirstSumValueCol; c <= kLastSumValueCol; ++c)
    grid.setNumber(0, c, c - kSumCol);
}

// Each value read back and written again in the column of that value. The
// sum 0 has no column of its own: the "+" column's cell takes its colour.
void markDiffSumCells(ResultGrid &grid, int drawCount) {
  for (int r = 1; r <= drawCount; ++r) {
    markValueInItsColumn(grid, r, kDiffCol, kFirstDiffValueCol, kTeal);
    markValueInItsColumn(grid, r, kSumCol, kSumCol, kAmber);
  }
}

void load(ToolWindowState &state, const DrawHistory &history, SortedDigitPair pair) {
  ResultGrid &grid = startDrawRows(state);
  const int n = state.drawCount;
  fillDrawRowsWithDiffSum(grid, history, pair);
  writeHeaders(grid);
  grid.setCurrentCell(n + 1, 1);
  shadeColumnBands(grid, n, kDiffBand, kSumBand);
  markDiffSumCells(grid, n);
  grid.setTopRow(grid.rows() - 1);
}

}  // namespace

ToolEntry pairDiffSumTool(const PairDiffSumForm &form) {
  const ToolDesign d =
      standardWindow({.id = form.id,
                      .cols = 37,
                      .widths = {{0, 0, 1290}, {1, kLastSumValueCol, 300}, {4, 4, 60}, {16, 16, 60}, {36, 36, 60}}});
  const SortedDigitPair pair = form.pair;
  return ToolEntry{d, [pair](ToolWindowState &state, const DrawHistory &history) { load(state, history, pair); }};
}

}  // namespace corvessa::charts
