// "Sum-Sum Units": every draw's digit sum (0 to 27) and the sum's units
// digit, each marked at the column of its value, over two shaded bands of
// the low sums 0 to 7 and the high sums 20 to 27.
#include "tools/sum_width/tools.h"

#include "charts/columnbands.h"
#include "charts/drawrows.h"
#include "charts/missstats.h"
#include "charts/framework/toolframe.h"
#include "charts/palette.h"

namespace corvessa::tools {
namespace {

using namespace charts;

// No "Help".
ToolDesign design() {
  ToolDesign d;
  d.windowName = "frmxingtai3dhe";
  d.caption = "Sum-Sum Units";
  d.title = d.caption;
  d.cols = 47;
  d.controls = {gridControl(), resetButton([](ToolWindowState &s) { resetGridRows(s.grid, s.drawCount, 6); }),
                exitButton()};
  d.layout = standardLayout();
  return d;
}

constexpr int kSumCol = 4, kUnitsCol = 35;
constexpr int kFirstSumCol = 6;     // the sums 0..27 in columns 6..33
constexpr int kFirstUnitsCol = 37;  // the units 0..9 in columns 37..46
constexpr ColumnBand kLowSums{6, 13, kPink}, kHighSums{26, 33, kPink};

void fillSumUnits(ResultGrid &grid, const DrawHistory &history);
void writeHeaders(ResultGrid &grid);
void markSumCells(ResultGrid &grid, int drawCount);

void load(ToolWindowState &state, const DrawHistory &history) {
  ResultGrid &grid = state.grid;
  const int n = state.drawCount;
  grid.setColWidth(0, 1290);
  grid.setColWidths(1, 46, 300);
  grid.setColWidth(kSumCol, 480);
  grid.setColWidth(5, 60);
  grid.setColWidth(34, 60);
  grid.setColWidth(kUnitsCol, 480);
  grid.setColWidth(36, 60);
  resetGridRows(grid, n, 6);
  fillDrawRows(grid, history);
  fillSumUnits(grid, history);
  writeHeaders(grid);
  grid.setCurrentCell(n + 1, 1);
  shadeColumnBands(grid, n, kLowSums, kHighSums);
  markSumCells(grid, n);
  grid.setTopRow(grid.rows() - 1);
}

// Beside the draw rows: the sum in column 4, without colour, and its units
// digit (the sum's last figure) in column 35.
void fillSumUnits(ResultGrid &grid, const DrawHistory &history) {
  int row = 1;
  for (const DrawRecord &draw : history.draws) {
    const int sum = draw.h + draw.t + draw.u;
    grid.setNumber(row, kSumCol, sum);
    grid.setNumber(row, kUnitsCol, sum % 10);
    ++row;
  }
}

void writeHeaders(ResultGrid &grid) {
  writeDigitHeaders(grid);
  grid.setText(0, kSumCol, "Sum");
  grid.setText(0, kUnitsCol, "S U");
  for (int s = 0; s <= 27; ++s)
    grid.setNumber(0, kFirstSumCol + s, s);
  for (int u = 0; u <= 9; ++u)
    grid.setNumber(0, kFirstUnitsCol + u, u);
}

// The sum and its units are read back from columns 4 and 35; the marks
// cover the band's shade. The current cell ends on the last units mark.
void markSumCells(ResultGrid &grid, int drawCount) {
  for (int r = 1; r <= drawCount; ++r) {
    markValueInItsColumn(grid, r, kSumCol, kFirstSumCol, kTeal);
    markValueInItsColumn(grid, r, kUnitsCol, kFirstUnitsCol, kAmber);
  }
}

}  // namespace

ToolEntry frmxingtai3dhe() { return {design(), load}; }

}  // namespace corvessa::tools
