// "Recommend 1 digit[1]": for every draw one digit recommended for it by the
// formula (4·H + 9·T + 9·U + 3) mod 10 on the draw before it, and "-Y-" on
// red where the draw holds that digit, "-N-" where it does not (the first
// draw, which has no recommendation, included). The row under the newest
// draw holds the digit for the coming draw.
#include "tools/digit/tools.h"

#include "charts/drawrows.h"
#include "charts/missstats.h"
#include "charts/palette.h"
#include "charts/recommendeddigits.h"

#include <string>

namespace corvessa::tools {
namespace {

using namespace charts;

// The digit goes into the next row; beside a draw, the number of its
// positions that hold the digit (" 0" to " 3"), until the marks replace it.
void recommendFormulaDigit(ResultGrid &grid, int drawCount) {
  static constexpr std::string_view kCountTexts[4] = {" 0", " 1", " 2", " 3"};
  ResultGrid::TextId counts[4];
  for (int k = 0; k <= 3; ++k)
    counts[k] = grid.intern(kCountTexts[k]);
  for (int k = 1; k <= drawCount; ++k) {
    const std::optional<Digits> draw = readDrawDigits(grid, k);
    if (!draw)
      continue;
    const int d = (4 * (*draw)[0] + 9 * (*draw)[1] + 9 * (*draw)[2] + 3) % 10;
    grid.setNumber(k + 1, kOneDigitCol, d);
    if (k + 1 > drawCount)
      break;
    int matches = 0;
    for (int i = 1; i <= 3; ++i)
      matches += cellDigit(grid, k + 1, i) == d;
    grid.setTextId(k + 1, kOneDigitMarkCol, counts[matches]);
  }
}

void markYesNoColumn(ResultGrid &grid, int drawCount) {
  const ResultGrid::TextId yes = grid.intern(kRecommendHitMark), no = grid.intern(std::string_view("-N-"));
  for (int r = 1; r <= drawCount; ++r) {
    if (leadingNumber(grid.textView(r, kOneDigitMarkCol)) > 0) {
      grid.setTextId(r, kOneDigitMarkCol, yes);
      grid.setBackColor(r, kOneDigitMarkCol, kRed);
    } else {
      grid.setTextId(r, kOneDigitMarkCol, no);
    }
  }
}

}  // namespace

ToolEntry frmzonghe() {
  return oneDigitTool("frmzonghe", "Recommend 1 digit[1]", recommendFormulaDigit, markYesNoColumn);
}

}  // namespace corvessa::tools
