// "Inherit 2 Digits": "YES" on each draw that shares exactly two of its
// distinct digits with the draw before it, however often each occurs.
#include "tools/pairs/tools.h"

#include "charts/drawrows.h"
#include "charts/groupmarks.h"
#include "charts/standardwindow.h"

namespace corvessa::tools {
namespace {

using namespace charts;

constexpr int kInheritCol = 5;

// The grid has six columns, so the reset empties cells 0..5 of the spare row.
// The box key in column 4 is all but hidden.
ToolDesign design() {
  return standardWindow(
      {.id = titledWindow("frmchong2ge", "Inherit 2 Digits", "\\help\\Inherit_2_Digits.htm"),
       .cols = 6,
       .widths = {{0, 0, 1290}, {1, 3, 300}, {kKeyCol, kKeyCol, 20}, {kInheritCol, kInheritCol, 1032}},
       .reset = SpareRowReset::Cells0To5});
}

void markInheritTwoDigits(ResultGrid &grid, int drawCount);

void load(ToolWindowState &state, const DrawHistory &history) {
  ResultGrid &grid = startDrawRows(state);
  const int n = state.drawCount;
  fillBoxKeyDrawRows(grid, history);
  grid.setText(0, kInheritCol, "Inherit 2 Digits");
  showSpareRow(grid, n);
  markInheritTwoDigits(grid, n);
}

// A box key holds each digit once, so the equal characters of two keys are
// the digits the draws have in common.
void markInheritTwoDigits(ResultGrid &grid, int drawCount) {
  const ResultGrid::TextId yes = grid.intern(std::string_view("YES"));
  for (int r = 1; r <= drawCount - 1; ++r) {
    const std::string_view before = grid.textView(r, kKeyCol), after = grid.textView(r + 1, kKeyCol);
    int common = 0;
    for (char a : before)
      for (char b : after)
        common += a == b;
    if (common == 2)
      grid.setTextId(r + 1, kInheritCol, yes);
  }
}

}  // namespace

ToolEntry frmchong2ge() { return {design(), load}; }

}  // namespace corvessa::tools
