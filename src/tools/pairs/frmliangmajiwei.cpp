// "Units of product of two digits ": the digits of each position pair
// (H, T), (H, U) and (T, U) multiplied, and the pair filed under the column of
// its product's units digit. A column can collect several pairs of a draw.
#include "tools/pairs/tools.h"

#include "charts/drawrows.h"
#include "charts/standardwindow.h"

#include <string>
#include <vector>

namespace corvessa::tools {
namespace {

using namespace charts;

constexpr int kFirstUnitsCol = 5, kLastUnitsCol = 14;
constexpr Rgb kPairBack = rgb(189, 157, 165);

// The position pairs in filing order.
struct PositionPair {
  int x, y;  // 0 = H, 1 = T, 2 = U
};
constexpr PositionPair kPairs[3] = {{0, 1}, {0, 2}, {1, 2}};

ToolDesign design() {
  return standardWindow({.id = titledWindow("frmliangmajiwei", "Units of product of two digits ",
                                            "\\help\\Units_of_product_of_two_digits.htm"),
                         .cols = 15,
                         .widths = {{0, 0, 1290}, {1, 3, 300}, {4, 4, 60}, {kFirstUnitsCol, kLastUnitsCol, 840}}});
}

void fillDrawRowsWithProductUnits(ResultGrid &grid, const DrawHistory &history);

void load(ToolWindowState &state, const DrawHistory &history) {
  ResultGrid &grid = startDrawRows(state);
  const int n = state.drawCount;
  fillDrawRowsWithProductUnits(grid, history);
  writeDigitHeaders(grid);
  for (int c = kFirstUnitsCol; c <= kLastUnitsCol; ++c)
    grid.setNumber(0, c, c - kFirstUnitsCol);
  showSpareRow(grid, n);
}

// A pair's text is its two digits in position order and ";". The first pair
// replaces what its cell held and the later pairs are appended; the rows are
// fresh, so a cell that collects several pairs holds them in the order
// (H, T), (H, U), (T, U).
void fillDrawRowsWithProductUnits(ResultGrid &grid, const DrawHistory &history) {
  fillDrawRows(grid, history);
  // A draw's cells depend on its three digits only, so each of the 1000 draws is worked out once.
  struct Filed {
    bool known = false;
    int count = 0;
    int cols[3];
    ResultGrid::TextId texts[3];
  };
  std::vector<Filed> filed(1000);
  int row = 1;
  for (const DrawRecord &draw : history.draws) {
    Filed &f = filed[std::size_t(draw.h * 100 + draw.t * 10 + draw.u)];
    if (!f.known) {
      const int digits[3] = {draw.h, draw.t, draw.u};
      std::string cellText[10];
      for (const PositionPair &p : kPairs) {
        const int a = digits[p.x], b = digits[p.y];
        const int units = a * b % 10;
        if (cellText[units].empty())
          f.cols[f.count++] = kFirstUnitsCol + units;
        cellText[units] += std::string{char('0' + a), char('0' + b), ';'};
      }
      for (int i = 0; i < f.count; ++i)
        f.texts[i] = grid.intern(cellText[f.cols[i] - kFirstUnitsCol]);
      f.known = true;
    }
    for (int i = 0; i < f.count; ++i) {
      grid.setTextId(row, f.cols[i], f.texts[i]);
      grid.setBackColor(row, f.cols[i], kPairBack);
    }
    ++row;
  }
}

}  // namespace

ToolEntry frmliangmajiwei() { return {design(), load}; }

}  // namespace corvessa::tools
