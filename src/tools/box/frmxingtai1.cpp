// "Four Models": each draw sorted into one of four models by how many of its
// digits are big and how many are odd. A draw with all digits big or all
// small, or all odd or all even, fits no model and is marked nowhere.
#include "tools/box/tools.h"

#include "charts/digitclasses.h"
#include "charts/drawrows.h"
#include "charts/missstats.h"
#include "charts/standardwindow.h"

#include <string_view>

namespace corvessa::tools {
namespace {

using namespace charts;

// Thirteen asterisks, text only: a hit has no colour of its own.
constexpr std::string_view kMark = "*************";
static_assert(kMark.size() == 13);

// The models in column order from column 5: B big, S small, O odd, E even.
struct Model {
  int big, odd;
  const char *header;
};
constexpr int kFirstModelCol = 5;
constexpr Model kModels[] = {
    {2, 2, "2B1S;2O1E"},
    {2, 1, "2B1S;2E1O"},
    {1, 2, "2S1B;2O1E"},
    {1, 1, "2S1B;2E1O"},
};
constexpr int kLastModelCol = kFirstModelCol + 3;

ToolDesign design() {
  return standardWindow({.id = titledWindow("frmxingtai1", "Four Models", "\\help\\Four_Models.htm"),
                         .cols = 9,
                         .widths = {{0, 0, 1218}, {1, 3, 300}, {4, 4, 30}, {kFirstModelCol, kLastModelCol, 1178}}});
}

void markFourModels(ResultGrid &grid, int drawCount);

void load(ToolWindowState &state, const DrawHistory &history) {
  ResultGrid &grid = state.grid;
  const int n = state.drawCount;
  grid.reserveRows(n + 6);  // the footer's rows too: the grid is not copied when it grows
  startDrawRows(state);
  fillDrawRows(grid, history);
  writeDigitHeaders(grid);
  for (int i = 0; i < 4; ++i)
    grid.setText(0, kFirstModelCol + i, kModels[i].header);
  showSpareRow(grid, n);
  markFourModels(grid, n);
  fillMissCountsAndFooter(grid, n, {.firstCol = kFirstModelCol, .lastCol = kLastModelCol, .mark = kMark});
}

// Each position counts by itself, so 5 5 0 has two big and two odd digits.
void markFourModels(ResultGrid &grid, int drawCount) {
  const ResultGrid::TextId mark = grid.intern(kMark);
  for (int r = 1; r <= drawCount; ++r) {
    const std::optional<Digits> digits = readDrawDigits(grid, r);
    if (!digits)
      continue;
    int big = 0, odd = 0;
    for (int d : *digits) {
      big += isBigDigit(d);
      odd += isOddDigit(d);
    }
    for (int i = 0; i < 4; ++i)
      if (kModels[i].big == big && kModels[i].odd == odd)
        grid.setTextId(r, kFirstModelCol + i, mark);
  }
}

}  // namespace

ToolEntry frmxingtai1() { return {design(), load}; }

}  // namespace corvessa::tools
