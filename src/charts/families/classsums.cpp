#include "charts/families/classsums.h"

#include "charts/drawrows.h"
#include "charts/palette.h"
#include "charts/standardwindow.h"

namespace corvessa::charts {

namespace {

constexpr int kFirstLeftCol = 7;    // the first class's sum 0
constexpr int kFirstRightCol = 36;  // the second class's sum 0

void writeHeaders(ResultGrid &grid, int lastCol) {
  writeDigitHeaders(grid);
  for (int c = kFirstLeftCol; c <= kFirstLeftCol + 27; ++c)
    grid.setNumber(0, c, c - kFirstLeftCol);
  for (int c = kFirstRightCol; c <= lastCol; ++c)
    grid.setNumber(0, c, c - kFirstRightCol);
}

// Both sums are marked on every draw, a sum of 0 too; the current cell ends
// on the last draw's second mark.
void markClassSums(ResultGrid &grid, int drawCount, bool (*firstClass)(int)) {
  for (int r = 1; r <= drawCount; ++r) {
    const std::optional<Digits> digits = readDrawDigits(grid, r);
    if (!digits)
      continue;
    int a = 0, b = 0;
    for (int x : *digits)
      (firstClass(x) ? a : b) += x;
    grid.setNumber(r, kFirstLeftCol + a, a);
    grid.setBackColor(r, kFirstLeftCol + a, kSage);
    grid.setNumber(r, kFirstRightCol + b, b);
    grid.setBackColor(r, kFirstRightCol + b, kRed);
    grid.setCurrentCell(r, kFirstRightCol + b);
  }
}

void load(ToolWindowState &state, const DrawHistory &history, const ClassSumForm &form) {
  ResultGrid &grid = startDrawRows(state);
  const int n = state.drawCount;
  fillDrawRows(grid, history);
  writeHeaders(grid, form.lastCol);
  showSpareRow(grid, n);
  markClassSums(grid, n, form.firstClass);
}

}  // namespace

ToolEntry classSumTool(const ClassSumForm &form) {
  const ColumnWidths drawWidths[] = {{0, 0, 1290}, {1, form.lastCol, 300}};
  return ToolEntry{
      standardWindow({.id = form.id,
                      .cols = form.lastCol + 1,
                      .widths = joinWidths({drawWidths, form.widths}),
                      .reset = SpareRowReset::Cells0To5}),
      [form](ToolWindowState &state, const DrawHistory &history) { load(state, history, form); }};
}

}  // namespace corvessa::charts
