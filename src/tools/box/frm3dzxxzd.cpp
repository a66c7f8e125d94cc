// "Box Number-Small/Middle/Large": each draw's digits sorted into its Small,
// Middle and Large digit, and each of the three placed in a block of ten digit
// columns, so that every block shows the course of one of them.
#include "tools/box/tools.h"

#include "charts/drawrows.h"
#include "charts/standardwindow.h"

#include <algorithm>

namespace corvessa::tools {
namespace {

using namespace charts;

// The blocks in column order: Small, Middle, Large, each headed "0" to "9".
struct Block {
  int digitCol;  // 1, 2, 3: the sorted digit the block shows
  int firstCol;
  Rgb back;
};
constexpr Block kBlocks[] = {
    {1, 5, rgb(182, 188, 164)},
    {2, 16, rgb(255, 206, 164)},
    {3, 27, rgb(0, 206, 237)},
};

ToolDesign design() {
  return standardWindow(
      {.id = titledWindow("frm3dzxxzd", "Box Number-Small/Middle/Large", "\\help\\Box_Number-Small_Middle_Large.htm"),
       .cols = 38,
       .widths = {{0, 0, 1290}, {1, 37, 300}, {4, 4, 60}, {15, 15, 60}, {26, 26, 60}, {37, 37, 60}}});
}

void fillDrawRowsSorted(ResultGrid &grid, const DrawHistory &history);
void markSmallMiddleLarge(ResultGrid &grid, int drawCount);

void load(ToolWindowState &state, const DrawHistory &history) {
  ResultGrid &grid = startDrawRows(state);
  const int n = state.drawCount;
  fillDrawRowsSorted(grid, history);
  writeDigitHeaders(grid);
  for (const Block &block : kBlocks)
    for (int d = 0; d < 10; ++d)
      grid.setNumber(0, block.firstCol + d, d);
  grid.setCurrentCell(n + 1, 1);
  markSmallMiddleLarge(grid, n);
  grid.setTopRow(grid.rows() - 1);
}

// Column 0 keeps the draw order; columns 1 to 3, under "H", "T" and "U",
// hold the digits ascending.
void fillDrawRowsSorted(ResultGrid &grid, const DrawHistory &history) {
  fillDrawRows(grid, history);
  int r = 1;
  for (const DrawRecord &draw : history.draws) {
    Digits digits{draw.h, draw.t, draw.u};
    sortDigitsAscending(digits);
    for (int k = 0; k < 3; ++k)
      grid.setNumber(r, 1 + k, digits[std::size_t(k)]);
    ++r;
  }
}

// Each mark becomes the current cell, so the Large cell of the last draw ends
// current.
void markSmallMiddleLarge(ResultGrid &grid, int drawCount) {
  for (int r = 1; r <= drawCount; ++r)
    for (const Block &block : kBlocks) {
      const int d = cellDigit(grid, r, block.digitCol);
      if (d < 0)
        continue;
      const int c = block.firstCol + d;
      grid.setCurrentCell(r, c);
      grid.setNumber(r, c, d);
      grid.setBackColor(r, c, block.back);
    }
}

}  // namespace

ToolEntry frm3dzxxzd() { return {design(), load}; }

}  // namespace corvessa::tools
