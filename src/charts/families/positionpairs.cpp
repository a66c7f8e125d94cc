#include "charts/families/positionpairs.h"

#include "charts/drawrows.h"
#include "charts/palette.h"
#include "charts/sumrows.h"
#include "charts/standardwindow.h"

#include <cstdlib>

namespace corvessa::charts {

namespace {

// The blocks in marking order: the two positions of the pair, the block's
// first column (the value 0) and its colour.
struct PairBlock {
  int a, b;  // 0 = H, 1 = T, 2 = U
  int base;
  Rgb color;
};
constexpr PairBlock kBlocks[] = {
    {0, 1, 5, rgb(255, 212, 164)},
    {0, 2, 16, kSage},
    {1, 2, 27, rgb(231, 194, 182)},
};
// The narrow spacers (30 twips) are columns 15 and 26.

int pairValue(PairValue value, int a, int b) {
  switch (value) {
    case PairValue::AbsoluteDifference:
      return std::abs(a - b);
    case PairValue::SumUnits:
      return (a + b) % 10;
    case PairValue::ProductUnits:
      return a * b % 10;
  }
  return 0;
}

void writeHeaders(ResultGrid &grid) {
  writeDigitHeaders(grid);
  grid.setText(0, 4, "S");
  for (const PairBlock &block : kBlocks)
    for (int v = 0; v < 10; ++v)
      grid.setNumber(0, block.base + v, v);
}

// Each draw's three pair values, read back from its digit columns; the
// last cell marked becomes the current cell.
void markPositionPairValues(ResultGrid &grid, int drawCount, PairValue value) {
  int table[10][10];
  for (int a = 0; a < 10; ++a)
    for (int b = 0; b < 10; ++b)
      table[a][b] = pairValue(value, a, b);
  ResultGrid::TextId values[10];
  for (int v = 0; v < 10; ++v)
    values[v] = grid.internNumber(v);
  for (int r = 1; r <= drawCount; ++r) {
    const std::optional<Digits> digits = readDrawDigits(grid, r);
    if (!digits)
      continue;
    for (const PairBlock &block : kBlocks) {
      const int v = table[(*digits)[std::size_t(block.a)]][(*digits)[std::size_t(block.b)]];
      grid.setTextId(r, block.base + v, values[v]);
      grid.setBackColor(r, block.base + v, block.color);
      grid.setCurrentCell(r, block.base + v);
    }
  }
}

void load(ToolWindowState &state, const DrawHistory &history, PairValue value) {
  ResultGrid &grid = startDrawRows(state);
  const int n = state.drawCount;
  fillSumRows(grid, history);
  writeHeaders(grid);
  showSpareRow(grid, n);
  markPositionPairValues(grid, n, value);
}

}  // namespace

ToolEntry positionPairTool(const PositionPairForm &form) {
  const ToolDesign d =
      standardWindow({.id = form.id, .cols = 37, .widths = {{0, 0, 1290}, {1, 36, 300}, {15, 15, 30}, {26, 26, 30}}});
  const PairValue value = form.value;
  return ToolEntry{d, [value](ToolWindowState &state, const DrawHistory &history) { load(state, history, value); }};
}

}  // namespace corvessa::charts
