// "Pairs": which of the 45 pairs of two different digits each draw holds.
// The pairs come from the draw's digits sorted ascending, so the order of H,
// T and U plays no part; a pair of equal digits has no column.
#include "tools/pairs/tools.h"

#include "charts/drawrows.h"
#include "charts/palette.h"
#include "charts/sortedpairs.h"
#include "charts/standardwindow.h"

namespace corvessa::tools {
namespace {

using namespace charts;

constexpr int kFirstPairCol = 6, kLastPairCol = 50;
// Three blocks of nine columns, whatever their smaller digit.
constexpr int kBandFirstCols[] = {6, 24, 42};
constexpr int kBandCols = 9;

// No "Help" button.
ToolDesign design() {
  return standardWindow({.id = titledWindow("frm3dliangma", "Pairs"),
                         .cols = 51,
                         .widths = {{0, 0, 1032}, {1, 4, 300}, {kFirstPairCol, kLastPairCol, 300}, {4, 5, 60}},
                         .help = HelpButton::None});
}

void writeHeaders(ResultGrid &grid);
void shadePairColumnBands(ResultGrid &grid, int drawCount);

void load(ToolWindowState &state, const DrawHistory &history) {
  ResultGrid &grid = startDrawRows(state);
  const int n = state.drawCount;
  // Columns 1..3 hold the sorted pairs, not the digits.
  fillDrawRows(grid, history);
  fillSortedPairs(grid, history, 1);
  writeHeaders(grid);
  grid.setCurrentCell(n + 1, 1);
  shadePairColumnBands(grid, n);
  markPairsUnderHeaders(grid, n, 1, kFirstPairCol, kLastPairCol, kTeal);
  grid.setTopRow(grid.rows() - 1);
}

// "01" .. "09", "12" .. "19", ... "89": the smaller digit first.
void writeHeaders(ResultGrid &grid) {
  writeDigitHeaders(grid);
  int c = kFirstPairCol;
  for (int i = 0; i <= 8; ++i)
    for (int j = i + 1; j <= 9; ++j)
      grid.setTextId(0, c++, internPair(grid, i * 10 + j));
}

void shadePairColumnBands(ResultGrid &grid, int drawCount) {
  for (int r = 1; r <= drawCount; ++r)
    for (int first : kBandFirstCols)
      for (int c = first; c < first + kBandCols; ++c) {
        grid.setBackColor(r, c, kPink);
        grid.setCurrentCell(r, c);
      }
}

}  // namespace

ToolEntry frm3dliangma() { return {design(), load}; }

}  // namespace corvessa::tools
