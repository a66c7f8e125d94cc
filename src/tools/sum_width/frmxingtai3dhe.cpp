// "Sum-Sum Units": every draw's digit sum (0 to 27) and the sum's units
// digit, each marked at the column of its value, over two shaded bands of
// the low sums 0 to 7 and the high sums 20 to 27.
#include "tools/sum_width/tools.h"

#include "charts/columnbands.h"
#include "charts/drawrows.h"
#include "charts/missstats.h"
#include "charts/palette.h"
#include "charts/standardwindow.h"

namespace corvessa::tools {
namespace {

using namespace charts;

constexpr int kSumCol = 4, kUnitsCol = 35;
constexpr int kFirstSumCol = 6;     // the sums 0..27 in columns 6..33
constexpr int kFirstUnitsCol = 37;  // the units 0..9 in columns 37..46
constexpr ColumnBand kLowSums{6, 13, kPink}, kHighSums{26, 33, kPink};

// No "Help".
ToolDesign design() {
  return standardWindow({.id = titledWindow("frmxingtai3dhe", "Sum-Sum Units"),
                         .cols = 47,
                         .widths = {{0, 0, 1290},
                                    {1, 46, 300},
                                    {kSumCol, kSumCol, 480},
                                    {5, 5, 60},
                                    {34, 34, 60},
                                    {kUnitsCol, kUnitsCol, 480},
                                    {36, 36, 60}},
                         .help = HelpButton::None});
}

void fillSumUnits(ResultGrid &grid, const DrawHistory &history);
void writeHeaders(ResultGrid &grid);
void markSumCells(ResultGrid &grid, int drawCount);

void load(ToolWindowState &state, const DrawHistory &history) {
  ResultGrid &grid = startDrawRows(state);
  const int n = state.drawCount;
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
