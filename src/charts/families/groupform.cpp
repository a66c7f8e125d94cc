#include "charts/families/groupform.h"

#include "charts/drawrows.h"
#include "charts/groupmarks.h"
#include "charts/missstats.h"
#include "charts/framework/toolframe.h"

namespace corvessa::charts {

void loadGroupForm(ToolWindowState &state, const DrawHistory &history, const GroupForm &form) {
  ResultGrid &grid = state.grid;
  const int n = state.drawCount;
  const int lastCol = kFirstGroupCol + int(form.groups.size()) - 1;

  grid.setColWidth(0, 1218);
  grid.setColWidths(1, 3, 300);
  grid.setColWidth(kKeyCol, 30);  // the box key is data for the marking, not for reading
  grid.setColWidths(kFirstGroupCol, lastCol, form.groupColWidth);

  grid.reserveRows(n + 6);  // the footer's rows too: the grid is not copied when it grows
  resetGridRows(grid, n, form.spareCells);
  fillDrawRowsWithBoxKey(grid, history, kKeyCol);
  writeDigitHeaders(grid);
  for (int i = 0; i < int(form.groups.size()); ++i)
    grid.setText(0, kFirstGroupCol + i, form.groups[std::size_t(i)]);
  grid.setCurrentCell(n + 1, 1);
  grid.setTopRow(grid.rows() - 1);

  // The marking reads the groups back from the header row.
  markGroupHits(grid, n, form.groupLength, lastCol, form.mark, form.threeWayBox, form.redHitBecomesCurrent);
  fillMissCountsAndFooter(grid, n, {.firstCol = kFirstGroupCol, .lastCol = lastCol, .mark = form.mark});
}

ToolEntry groupChartTool(const GroupChartForm &form) {
  ToolDesign d;
  d.windowName = QString::fromUtf8(form.windowName);
  d.caption = QString::fromUtf8(form.caption);
  d.title = captionWithoutQuotes(form.caption);
  d.cols = kFirstGroupCol + int(form.groups.size());
  d.fontPoints = 6.75;
  d.controls = {gridControl(), resetButton([](ToolWindowState &s) { resetGridRows(s.grid, s.drawCount, 6); })};
  if (form.hiddenHelp) {
    d.controls.push_back(exitButton({10200, 6120, 1335, 375}));
    d.controls.push_back(helpButton({8760, 6000, 1335, 375}, false));
    d.layout = standardLayout({QStringLiteral("Command2"), QStringLiteral("Command3")});
  } else {
    d.controls.push_back(exitButton());
    d.layout = standardLayout();
  }
  const GroupForm groups{.groups = form.groups, .groupLength = form.groupLength, .groupColWidth = form.groupColWidth,
                         .mark = form.mark, .threeWayBox = form.threeWayBox,
                         .redHitBecomesCurrent = form.redHitBecomesCurrent};
  return ToolEntry{std::move(d),
                   [groups](ToolWindowState &state, const DrawHistory &history) {
                     loadGroupForm(state, history, groups);
                   }};
}

}  // namespace corvessa::charts
