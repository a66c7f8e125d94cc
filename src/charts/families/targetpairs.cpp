#include "charts/families/targetpairs.h"

#include "charts/digitclasses.h"
#include "charts/drawrows.h"
#include "charts/palette.h"
#include "charts/sortedpairs.h"
#include "charts/sumrows.h"
#include "charts/standardwindow.h"

namespace corvessa::charts {

namespace {

constexpr int kWidthCol = 5, kFirstPairCol = 6, kSpacerCol = 9;
constexpr int kFirstTargetCol = 10, kLastTargetCol = 19;

// The label, the digits and the sum, then the width and the pairs of the sorted digits.
void fillPairRows(ResultGrid &grid, const DrawHistory &history) {
  fillSumRows(grid, history);
  fillSumWidthColumns(grid, history, {.sumCol = kNoColumn, .widthCol = kWidthCol});
  fillSortedPairs(grid, history, kFirstPairCol);
}

void load(ToolWindowState &state, const DrawHistory &history, const std::array<const char *, 10> &pairs) {
  ResultGrid &grid = startDrawRows(state);
  const int n = state.drawCount;
  fillPairRows(grid, history);
  writeDigitHeaders(grid);
  grid.setText(0, 4, "S");
  grid.setText(0, kWidthCol, "W");
  for (int i = 0; i < 10; ++i)
    grid.setText(0, kFirstTargetCol + i, pairs[std::size_t(i)]);
  showSpareRow(grid, n);
  markPairsUnderHeaders(grid, n, kFirstPairCol, kFirstTargetCol, kLastTargetCol, kRed);
}

}  // namespace

ToolEntry targetPairTool(const TargetPairForm &form) {
  for (const char *pair : form.pairs)
    if (std::string_view(pair).size() != 2 || !areAscendingDigits(pair))
      descriptionFault(form.id, QStringLiteral("the pair \"%1\" is not two digits, the smaller first").arg(pair));
  const ToolDesign d = standardWindow({.id = form.id,
                                       .cols = 20,
                                       .widths = {{0, 0, 1290}, {1, kLastTargetCol, 300}, {kSpacerCol, kSpacerCol, 20}},
                                       .help = HelpButton::None});
  const std::array<const char *, 10> pairs = form.pairs;
  return ToolEntry{d, [pairs](ToolWindowState &state, const DrawHistory &history) { load(state, history, pairs); }};
}

}  // namespace corvessa::charts
