// "Tundred Ten Units Trend": for each position H, T and U a block of twenty
// columns, the drawn digit in the column of its value and the change from
// the draw before in the column of the change's size, with its sign.
#include "tools/straight/tools.h"

#include "charts/drawrows.h"
#include "charts/standardwindow.h"

#include <cstdlib>

namespace corvessa::tools {
namespace {

using namespace charts;

// Position p (0 = H, 1 = T, 2 = U): its digits from column base(p), its
// changes ten columns further, on the position's colour.
constexpr int blockBase(int p) { return 5 + p * 20; }
constexpr int kChangeOffset = 10;
constexpr int kLastCol = 64;
constexpr Rgb kBlockBack[3] = {rgb(176, 200, 152), rgb(208, 204, 0), rgb(96, 204, 152)};
constexpr Rgb kDigitMarkBack = rgb(255, 152, 104);
constexpr Rgb kChangeMarkBack = rgb(0, 146, 255);

// "Help" is placed but never shown, and the window has no help page.
ToolDesign design() {
  return standardWindow({.id = titledWindow("frm3weizoushi", "Tundred Ten Units Trend"),
                         .cols = 65,
                         .widths = {{0, 0, 1131}, {1, kLastCol, 240}},
                         .reset = SpareRowReset::LongGrid,
                         .help = HelpButton::Hidden});
}

void writeHeaders(ResultGrid &grid);
void paintTrendBlocks(ResultGrid &grid, int drawCount);
void markDigitTrend(ResultGrid &grid, int drawCount);
void markDigitChange(ResultGrid &grid, int drawCount);

void load(ToolWindowState &state, const DrawHistory &history) {
  ResultGrid &grid = startDrawRows(state);
  const int n = state.drawCount;
  fillDrawRows(grid, history, LabelForm::NoBlank);
  writeHeaders(grid);
  grid.setCurrentCell(n + 1, 1);
  paintTrendBlocks(grid, n);
  markDigitTrend(grid, n);
  markDigitChange(grid, n);
  grid.setTopRow(grid.rows() - 1);
}

void writeHeaders(ResultGrid &grid) {
  for (int first = blockBase(0); first <= kLastCol; first += 10)
    for (int d = 0; d < 10; ++d)
      grid.setNumber(0, first + d, d);
}

void paintTrendBlocks(ResultGrid &grid, int drawCount) {
  for (int r = 1; r <= drawCount; ++r)
    for (int p = 0; p < 3; ++p)
      for (int c = blockBase(p); c < blockBase(p) + 20; ++c)
        grid.setBackColor(r, c, kBlockBack[p]);
}

void markDigitTrend(ResultGrid &grid, int drawCount) {
  for (int r = 1; r <= drawCount; ++r)
    for (int p = 0; p < 3; ++p) {
      const int v = cellDigit(grid, r, p + 1);
      if (v < 0)
        continue;
      const int c = blockBase(p) + v;
      grid.setTextId(r, c, grid.textId(r, p + 1));
      grid.setBackColor(r, c, kDigitMarkBack);
    }
}

// The change's text keeps its sign ("-7"); its column is the size of the change.
void markDigitChange(ResultGrid &grid, int drawCount) {
  ResultGrid::TextId changes[19];
  for (int d = -9; d <= 9; ++d)
    changes[d + 9] = grid.internNumber(d);
  for (int r = 2; r <= drawCount; ++r)
    for (int p = 0; p < 3; ++p) {
      const int now = cellDigit(grid, r, p + 1), before = cellDigit(grid, r - 1, p + 1);
      if (now < 0 || before < 0)
        continue;
      const int d = now - before;
      const int c = blockBase(p) + kChangeOffset + std::abs(d);
      grid.setTextId(r, c, changes[d + 9]);
      grid.setBackColor(r, c, kChangeMarkBack);
    }
}

}  // namespace

ToolEntry frm3weizoushi() { return {design(), load}; }

}  // namespace corvessa::tools
