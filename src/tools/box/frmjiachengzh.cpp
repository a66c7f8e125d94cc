// "Addition Box Number&Multiplication Box Number": each draw with its sum and
// width, marked where its sorted digits make an addition box number
// (smallest + middle = largest) or else a multiplication box number
// (smallest x middle = largest).
#include "tools/box/tools.h"

#include "charts/drawrows.h"
#include "charts/palette.h"
#include "charts/standardwindow.h"
#include "charts/sumrows.h"

#include <string_view>

namespace corvessa::tools {
namespace {

using namespace charts;

constexpr int kSumCol = 4, kWidthCol = 5, kAdditionCol = 6, kMultiplicationCol = 7;
constexpr const char *kHeaders[] = {"H", "T", "U", "S", "W", "Addition Box Number", "Multiplication Box Number"};
constexpr std::string_view kMark = "******";

ToolDesign design() {
  return standardWindow({.id = titledWindow("frmjiachengzh", "Addition Box Number&Multiplication Box Number",
                                            "\\help\\Addition-Multiplication.htm"),
                         .cols = 8,
                         .widths = {{0, 0, 1290},
                                    {1, 7, 300},
                                    {kAdditionCol, kAdditionCol, 860},
                                    {kMultiplicationCol, kMultiplicationCol, 860}}});
}

void fillAddMultiplyRows(ResultGrid &grid, const DrawHistory &history);

void load(ToolWindowState &state, const DrawHistory &history) {
  ResultGrid &grid = startDrawRows(state);
  const int n = state.drawCount;
  fillAddMultiplyRows(grid, history);
  for (int c = 1; c <= 7; ++c)
    grid.setText(0, c, kHeaders[c - 1]);
  showSpareRow(grid, n);
}

// The draw rows with their sums and widths, then each draw's mark from its
// sorted digits; the addition test comes first, so a draw is marked once at
// most (2 2 4 is an addition box number only).
void fillAddMultiplyRows(ResultGrid &grid, const DrawHistory &history) {
  fillDrawRows(grid, history);
  fillSumWidthColumns(grid, history, {.sumCol = kSumCol, .widthCol = kWidthCol});
  const ResultGrid::TextId mark = grid.intern(kMark);
  int r = 1;
  for (const DrawRecord &draw : history.draws) {
    Digits d{draw.h, draw.t, draw.u};
    sortDigitsAscending(d);
    const int markCol = d[0] + d[1] == d[2] ? kAdditionCol : d[0] * d[1] == d[2] ? kMultiplicationCol : 0;
    if (markCol != 0) {
      grid.setTextId(r, markCol, mark);
      grid.setBackColor(r, markCol, kRed);
    }
    ++r;
  }
}

}  // namespace

ToolEntry frmjiachengzh() { return {design(), load}; }

}  // namespace corvessa::tools
