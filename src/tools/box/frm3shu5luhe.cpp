// "Sum of returns the remainder after each digital divide by 5": each draw's
// remainder-5 sum, (H mod 5) + (T mod 5) + (U mod 5) from 0 to 12, beside
// its digits and marked in the column headed by it.
#include "tools/box/tools.h"

#include "charts/drawrows.h"
#include "charts/palette.h"
#include "charts/standardwindow.h"

#include <algorithm>

namespace corvessa::tools {
namespace {

using namespace charts;

constexpr const char *kNote = "Label1";

constexpr int kSumCol = 5;
constexpr int kFirstChartCol = 7;  // 7..19: the sums 0 to 12

// The note "||" sits under the left end of the grid and moves with the
// grid's bottom edge, so it stays in view whatever the window's size.
ToolDesign design() {
  ToolDesign d =
      standardWindow({.id = titledWindow("frm3shu5luhe", "Sum of returns the remainder after each digital divide by 5",
                                         "\\help\\Sum_remainder_after_divide_by_5.htm"),
                      .cols = 20,
                      .widths = {{0, 0, 1290}, {1, 19, 300}, {4, 4, 20}, {6, 6, 20}},
                      .reset = SpareRowReset::Cells0To5});
  d.controls.push_back(
      ControlDesign{.kind = ControlKind::Label, .name = kNote, .caption = "||", .place = {15, 6210, 180, 180}});
  const int gridHeight = d.clientHeight - layout::Grid{}.heightLess;
  d.layout.push_back(layout::LabelUnderGrid{kNote, 6210 - gridHeight, 20});
  return d;
}

void markRemainderSum(ResultGrid &grid, int drawCount);

void load(ToolWindowState &state, const DrawHistory &history) {
  ResultGrid &grid = startDrawRows(state);
  const int n = state.drawCount;
  fillDrawRows(grid, history);
  writeDigitHeaders(grid);
  for (int s = 0; s <= 12; ++s)
    grid.setNumber(0, kFirstChartCol + s, s);
  showSpareRow(grid, n);
  markRemainderSum(grid, n);
}

void markRemainderSum(ResultGrid &grid, int drawCount) {
  for (int r = 1; r <= drawCount; ++r) {
    const std::optional<Digits> digits = readDrawDigits(grid, r);
    if (!digits)
      continue;
    int sum = 0;
    for (int d : *digits)
      sum += d % 5;
    grid.setNumber(r, kSumCol, sum);
    grid.setNumber(r, kFirstChartCol + sum, sum);
    grid.setBackColor(r, kFirstChartCol + sum, kSage);
  }
}

}  // namespace

ToolEntry frm3shu5luhe() { return {design(), load}; }

}  // namespace corvessa::tools
