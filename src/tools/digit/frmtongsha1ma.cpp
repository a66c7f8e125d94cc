// "Recommend 1 digit[2]": for every draw one digit recommended for it by a
// fixed table on the hundreds digit H of the draw before it, and "-Y-" on red
// where the draw holds that digit. The row under the newest draw holds the
// digit for the coming draw.
#include "tools/digit/tools.h"

#include "charts/drawrows.h"
#include "charts/palette.h"
#include "charts/recommendeddigits.h"

namespace corvessa::tools {
namespace {

using namespace charts;

// The digit recommended after a draw, by the draw's H. 3 and 5 never come; 4 and 6 come twice.
constexpr int kDigitByHundreds[10] = {0, 8, 6, 4, 7, 9, 1, 2, 4, 6};

void recommendDigitByTable(ResultGrid &grid, int drawCount) {
  for (int r = 1; r <= drawCount; ++r)
    if (const int h = cellDigit(grid, r, 1); h >= 0)
      grid.setNumber(r + 1, kOneDigitCol, kDigitByHundreds[h]);
}

void markRecommendedDigitHit(ResultGrid &grid, int drawCount) {
  const ResultGrid::TextId mark = grid.intern(kRecommendHitMark);
  for (int r = 2; r <= drawCount; ++r)
    for (int i = 1; i <= 3; ++i)
      if (grid.textId(r, kOneDigitCol) == grid.textId(r, i)) {
        grid.setCurrentCell(r, kOneDigitMarkCol);
        grid.setBackColor(r, kOneDigitMarkCol, kRed);
        grid.setTextId(r, kOneDigitMarkCol, mark);
      }
}

}  // namespace

ToolEntry frmtongsha1ma() {
  return oneDigitTool("frmtongsha1ma", "Recommend 1 digit[2]", recommendDigitByTable, markRecommendedDigitHit);
}

}  // namespace corvessa::tools
