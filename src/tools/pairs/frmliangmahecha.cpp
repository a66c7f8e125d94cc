// "+ or - of Pairs ": each draw takes three rows, one for each pair of
// positions (H, T), (H, U) and (T, U), with the pair's sum and the absolute
// value of its difference, each charted in its block of value columns.
#include "tools/pairs/tools.h"

#include "charts/columnbands.h"
#include "charts/drawrows.h"
#include "charts/missstats.h"
#include "charts/standardwindow.h"

#include <cstdlib>

namespace corvessa::tools {
namespace {

using namespace charts;

constexpr int kSumCol = 1, kFirstSumValueCol = 2, kLastSumValueCol = 20;
constexpr int kDiffCol = 22, kFirstDiffValueCol = 23, kLastDiffValueCol = 32;
constexpr int kDigitOffset = 32;  // H, T, U in the hidden columns 33..35, in each of the draw's rows
constexpr Rgb kMarkBack = rgb(200, 164, 170);

// The positions of each of a draw's three rows, in row order.
struct PositionPair {
  int x, y;  // 0 = H, 1 = T, 2 = U
};
constexpr PositionPair kRowPairs[3] = {{0, 1}, {0, 2}, {1, 2}};

// There is no hidden reset button; the caption, with its trailing blank,
// stays the same while the chart loads.
ToolDesign design() {
  return standardWindow({.id = {.windowName = "frmliangmahecha",
                                .caption = "+ or - of Pairs ",
                                .helpPage = "\\help\\Sum_or_difference_of_Pairs .htm"},
                         .cols = 36,
                         .widths = {{0, 0, 1978},
                                    {1, kLastSumValueCol, 258},
                                    {21, 21, 60},
                                    {kDiffCol, kLastDiffValueCol, 228},
                                    {kDigitOffset + 1, kDigitOffset + 3, 2}},
                         .reset = SpareRowReset::None,
                         .showsLoadingCaption = false});
}

void writeHeaders(ResultGrid &grid);
void writePairSumsAndDifferences(ResultGrid &grid, int drawCount);
void markPairSumDiff(ResultGrid &grid, int drawCount);

void load(ToolWindowState &state, const DrawHistory &history) {
  ResultGrid &grid = state.grid;
  const int n = state.drawCount;
  writeHeaders(grid);
  grid.setRows(3 * n + 2);
  fillDrawRowsOffset(grid, history, kDigitOffset, LabelForm::Tagged);
  writePairSumsAndDifferences(grid, n);
  markPairSumDiff(grid, n);
  grid.setTopRow(grid.rows() - 1);
}

void writeHeaders(ResultGrid &grid) {
  grid.setText(0, kSumCol, "+");
  for (int c = kFirstSumValueCol; c <= kLastSumValueCol; ++c)
    grid.setNumber(0, c, c - kFirstSumValueCol);
  grid.setText(0, kDiffCol, "-");
  for (int c = kFirstDiffValueCol; c <= kLastDiffValueCol; ++c)
    grid.setNumber(0, c, c - kFirstDiffValueCol);
}

// The sum into column 1 and |X - Y| into column 22, from the digits of the
// hidden columns of each row.
void writePairSumsAndDifferences(ResultGrid &grid, int drawCount) {
  ResultGrid::TextId numbers[19];
  for (int v = 0; v <= 18; ++v)
    numbers[v] = grid.internNumber(v);
  for (int r = 1; r <= 3 * drawCount; ++r) {
    const PositionPair &p = kRowPairs[(r - 1) % 3];
    const int x = cellDigit(grid, r, kDigitOffset + 1 + p.x), y = cellDigit(grid, r, kDigitOffset + 1 + p.y);
    if (x < 0 || y < 0)
      continue;  // the reader leaves out draws with other digits
    grid.setTextId(r, kSumCol, numbers[x + y]);
    grid.setTextId(r, kDiffCol, numbers[std::abs(x - y)]);
  }
}

// Each row's sum and difference again in the column of their value.
void markPairSumDiff(ResultGrid &grid, int drawCount) {
  for (int r = 1; r <= 3 * drawCount; ++r) {
    markValueInItsColumn(grid, r, kSumCol, kFirstSumValueCol, kMarkBack);
    markValueInItsColumn(grid, r, kDiffCol, kFirstDiffValueCol, kMarkBack);
  }
}

}  // namespace

ToolEntry frmliangmahecha() { return {design(), load}; }

}  // namespace corvessa::tools
