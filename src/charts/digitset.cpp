#include "charts/digitset.h"

#include "charts/drawrows.h"
#include "charts/groupmarks.h"
#include "charts/missstats.h"

namespace corvessa::charts {

namespace {
constexpr std::string_view kMark = "*****";
}

ToolDesign digitSetDesign(const DigitSetForm &form) {
  ToolDesign d;
  d.windowName = QString::fromUtf8(form.windowName);
  d.menuItem = QString::fromUtf8(form.menuItem);
  d.caption = QString::fromUtf8(form.caption);
  d.title = QString::fromUtf8(form.title);
  d.clientWidth = 11625;
  d.clientHeight = 6720;
  d.gridWidth = 11595;
  d.gridHeight = 5895;
  d.cols = 6;
  d.layout = ToolLayout::GridAndExit;
  d.exitButton = ButtonDesign{QStringLiteral("Exit"), 10200, 6000, 1335, 375, true};
  d.resetButton = ButtonDesign{QStringLiteral("Command1"), 8760, 6120, 1335, 375, false};
  d.resetRows = resetDigitSetRows;
  return d;
}

void resetDigitSetRows(ResultGrid &grid, int drawCount) { resetGridRows(grid, drawCount, 5); }

void loadDigitSetForm(ResultGrid &grid, const DrawHistory &history, const DigitSetForm &form) {
  const int n = int(history.draws.size());
  const int groupLength = int(form.digits.size());

  grid.setColWidth(0, 1218);
  for (int c = 1; c <= 3; ++c)
    grid.setColWidth(c, 300);
  grid.setColWidth(kKeyCol, 30);  // the box key is for the marking, not for reading
  grid.setColWidth(kFirstGroupCol, 806);

  resetDigitSetRows(grid, n);
  fillDrawRowsWithBoxKey(grid, history, kKeyCol);
  grid.setText(0, 1, "H");
  grid.setText(0, 2, "T");
  grid.setText(0, 3, "U");
  grid.setText(0, kFirstGroupCol, form.digits);  // the marking reads the set from here
  grid.setCurrentCell(n + 1, 1);
  grid.setTopRow(n + 1);

  if (form.marking == DigitSetMarking::AnyBox)
    markAnyBoxGroupHits(grid, n, groupLength);
  else
    markGroupHits(grid, n, groupLength, kFirstGroupCol, kMark);
  fillMissCounts(grid, n, kFirstGroupCol, kFirstGroupCol);
  appendMissStatistics(grid, n, kFirstGroupCol, kMark);
}

}  // namespace corvessa::charts
