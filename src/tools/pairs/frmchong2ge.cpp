// "Inherit 2 Digits": "YES" on each draw that shares exactly two of its
// distinct digits with the draw before it, however often each occurs.
#include "tools/pairs/tools.h"

#include "charts/drawrows.h"
#include "charts/framework/toolframe.h"

namespace corvessa::tools {
namespace {

using namespace charts;

// The grid has six columns, so the reset empties cells 0..5 of the spare row.
ToolDesign design() {
  ToolDesign d;
  d.windowName = "frmchong2ge";
  d.caption = "Inherit 2 Digits";
  d.title = "Inherit 2 Digits";
  d.cols = 6;
  d.helpPage = "\\help\\Inherit_2_Digits.htm";
  d.controls = {gridControl(), resetButton([](ToolWindowState &s) { resetGridRows(s.grid, s.drawCount, 5); }),
                exitButton(), helpButton()};
  d.layout = standardLayout({QStringLiteral("Command2"), QStringLiteral("Command3")});
  return d;
}

constexpr int kKeyCol = 4;  // the box key, all but hidden
constexpr int kInheritCol = 5;

void markInheritTwoDigits(ResultGrid &grid, int drawCount);

void load(ToolWindowState &state, const DrawHistory &history) {
  ResultGrid &grid = state.grid;
  const int n = state.drawCount;
  grid.setColWidth(0, 1290);
  grid.setColWidths(1, 3, 300);
  grid.setColWidth(kKeyCol, 20);
  grid.setColWidth(kInheritCol, 1032);
  resetGridRows(grid, n, 5);
  fillDrawRowsWithBoxKey(grid, history, kKeyCol);
  writeDigitHeaders(grid);
  grid.setText(0, kInheritCol, "Inherit 2 Digits");
  grid.setCurrentCell(n + 1, 1);
  grid.setTopRow(grid.rows() - 1);
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
