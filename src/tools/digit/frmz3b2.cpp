// "Other recommend digits-[2/3 formula]": eight fixed groups of three digits.
// For every draw, " *" under a group that holds one of its digits and "$"
// under one that holds two or three; "Y/N" says "   -Y-" when any group got "$".
#include "tools/digit/tools.h"

#include "charts/families/digitset.h"
#include "charts/drawrows.h"
#include "charts/groupmarks.h"
#include "charts/standardwindow.h"

namespace corvessa::tools {
namespace {

using namespace charts;

constexpr std::string_view kGroups[] = {"126", "158", "258", "349", "379", "039", "047", "568"};
constexpr int kLastGroupCol = 12;
constexpr int kYesCol = 13;

// "Y/N" keeps the grid's default width.
ToolDesign design() {
  return standardWindow({.id = titledWindow("frmz3b2", "Other recommend digits-[2/3 formula]",
                                            "\\help\\Other_recommend_digits-23_formula.htm"),
                         .cols = kYesCol + 1,
                         .widths = joinWidths({kDigitSetDrawWidths, {{{kFirstGroupCol, kLastGroupCol, 420}}}})});
}

void markFormulaGroupHits(ResultGrid &grid, int drawCount);

void load(ToolWindowState &state, const DrawHistory &history) {
  ResultGrid &grid = startDrawRows(state);
  const int n = state.drawCount;
  fillBoxKeyDrawRows(grid, history);
  writeGroupHeaders(grid, kFirstGroupCol, kGroups);
  grid.setText(0, kYesCol, "Y/N");
  showSpareRow(grid, n);
  markFormulaGroupHits(grid, n);
}

void markFormulaGroupHits(ResultGrid &grid, int drawCount) {
  markPairDigitHits(grid, drawCount, kFirstGroupCol, kLastGroupCol);
  const ResultGrid::TextId twoOrMore = grid.intern(kDigitsMark), yes = grid.intern(std::string_view("   -Y-"));
  for (int r = 1; r <= drawCount; ++r)
    for (int c = kFirstGroupCol; c <= kLastGroupCol; ++c)
      if (grid.textId(r, c) == twoOrMore) {
        grid.setTextId(r, kYesCol, yes);
        break;
      }
}

}  // namespace

ToolEntry frmz3b2() { return {design(), load}; }

}  // namespace corvessa::tools
