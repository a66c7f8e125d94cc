// "Other recommend digits-[formula]": for every draw three strings of up to
// three digits recommended for it by fixed formulas on the number of the
// draw before it, and beside each string how many of the draw's positions
// hold one of its digits ("  -N-" for none; two or more are shaded). The row
// under the newest draw holds the three strings for the coming draw, and a
// note under the grid invites the user to follow them.
#include "tools/digit/tools.h"

#include "charts/drawrows.h"
#include "charts/palette.h"
#include "charts/recommendeddigits.h"
#include "charts/standardwindow.h"

#include <cmath>
#include <string>

namespace corvessa::tools {
namespace {

using namespace charts;

constexpr const char *kNote = "每期预测三组胆码，请大家跟踪使用；论坛高手的成绩也不过如此，不信你统计后对比看看^-^!";

// The formulas on the draw number x = 100·H + 10·T + U, each with its
// string column and mark column.
struct Formula {
  double (*value)(int x);
  int col, markCol;
  const char *header;
};
constexpr Formula kFormulas[] = {
    {[](int x) { return std::sqrt(double(x)) * 0.318; }, 5, 6, "digits-1"},
    {[](int x) { return x * 0.618; }, 8, 9, "digits-2"},
    {[](int x) { return (x + 727) / 3.141; }, 11, 12, "digits-3"},
};
constexpr const char *kMarkHeader = "  Y/N";

// The note keeps its place under the grid at every size; in the window's
// own size it sits 690 twips under the grid, below the buttons.
ToolDesign design() {
  ToolDesign d = standardWindow({.id = titledWindow("frmdanma2", "Other recommend digits-[formula]",
                                                    "\\help\\Other_recommend_digits-formula.htm"),
                                 .cols = 13,
                                 .widths = {{0, 0, 1290},
                                            {1, 3, 300},
                                            {4, 4, 20},
                                            {5, 6, 860},
                                            {7, 7, 200},
                                            {8, 9, 860},
                                            {10, 10, 200},
                                            {11, 12, 860}}});
  d.controls.push_back(ControlDesign{.kind = ControlKind::Label,
                                     .name = QStringLiteral("Label1"),
                                     .caption = QString::fromUtf8(kNote),
                                     .place = {20, 6210, 7560, 180},
                                     .fontPoints = 7.5});
  d.layout.push_back(layout::LabelUnderGrid{QStringLiteral("Label1"), 690});
  return d;
}

void recommendDigitsFromFormulas(ResultGrid &grid, const DrawHistory &history);
void writeHeaders(ResultGrid &grid);
void markDigitsYesNo(ResultGrid &grid, int drawCount, const Formula &formula);

void load(ToolWindowState &state, const DrawHistory &history) {
  ResultGrid &grid = startDrawRows(state);
  const int n = state.drawCount;
  fillDrawRows(grid, history);
  recommendDigitsFromFormulas(grid, history);
  writeHeaders(grid);
  showSpareRow(grid, n);
  for (const Formula &formula : kFormulas)
    markDigitsYesNo(grid, n, formula);
}

// The strings depend on the draw's digits only, so each of the 1000 draws is worked out once.
void recommendDigitsFromFormulas(ResultGrid &grid, const DrawHistory &history) {
  for (const Formula &formula : kFormulas) {
    ResultGrid::TextId cache[1000] = {};
    int row = 2;
    for (const DrawRecord &draw : history.draws) {
      const int x = draw.h * 100 + draw.t * 10 + draw.u;
      if (cache[x] == 0)
        cache[x] = grid.intern(firstDistinctDigits(formula.value(x), 3));
      grid.setTextId(row++, formula.col, cache[x]);
    }
  }
}

void writeHeaders(ResultGrid &grid) {
  writeDigitHeaders(grid);
  for (const Formula &formula : kFormulas) {
    grid.setText(0, formula.col, formula.header);
    grid.setText(0, formula.markCol, kMarkHeader);
  }
}

// How many of the draw's three positions hold a digit of the string.
void markDigitsYesNo(ResultGrid &grid, int drawCount, const Formula &formula) {
  ResultGrid::TextId marks[4] = {grid.intern(std::string_view("  -N-"))};
  for (int count = 1; count <= 3; ++count)
    marks[count] = grid.intern("  " + std::to_string(count));
  for (int r = 2; r <= drawCount; ++r) {
    const std::string_view digits = grid.textView(r, formula.col);  // distinct digits
    int count = 0;
    for (int i = 1; i <= 3; ++i)
      count += int(grid.textView(r, i).size() == 1 && digits.find(grid.textView(r, i)[0]) != digits.npos);
    grid.setTextId(r, formula.markCol, marks[count]);
    if (count > 1)
      grid.setBackColor(r, formula.markCol, kPaleBlue);
  }
}

}  // namespace

ToolEntry frmdanma2() { return {design(), load}; }

}  // namespace corvessa::tools
