#include "charts/families/groupform.h"

#include "charts/digitclasses.h"
#include "charts/drawrows.h"
#include "charts/groupmarks.h"
#include "charts/missstats.h"

namespace corvessa::charts {

namespace {

// Builds the chart into the design's grid of 5 + groups.size() columns.
void loadGroupForm(ToolWindowState &state, const DrawHistory &history, const GroupForm &form) {
  ResultGrid &grid = state.grid;
  const int n = state.drawCount;
  const int lastCol = kFirstGroupCol + int(form.groups.size()) - 1;
  grid.reserveRows(n + 6);  // the footer's rows too: the grid is not copied when it grows
  startDrawRows(state);
  fillBoxKeyDrawRows(grid, history);
  writeGroupHeaders(grid, kFirstGroupCol, form.groups);
  showSpareRow(grid, n);

  // The marking reads the groups back from the header row.
  markGroupHits(grid, n, lastCol, form.mark, form.threeWayBox, form.redHitBecomesCurrent);
  fillMissCountsAndFooter(grid, n, {.firstCol = kFirstGroupCol, .lastCol = lastCol, .mark = form.mark});
}

ToolDesign groupChartDesign(const GroupForm &form) {
  const int lastCol = kFirstGroupCol + int(form.groups.size()) - 1;
  return standardWindow(
      {.id = form.id,
       .cols = lastCol + 1,
       // the box key is data for the marking, not for reading
       .widths = {{0, 0, 1218}, {1, 3, 300}, {kKeyCol, kKeyCol, 30}, {kFirstGroupCol, lastCol, form.groupColWidth}},
       .reset = form.reset,
       .help = form.hiddenHelp ? HelpButton::Hidden : HelpButton::None,
       .exitPlace = form.hiddenHelp ? TwipsRect{10200, 6120, 1335, 375} : kExitPlace,
       .fontPoints = form.fontPoints});
}

}  // namespace

ToolEntry groupChartTool(const GroupForm &form) {
  for (std::string_view group : form.groups)
    if (!areDifferentDigits(group))
      descriptionFault(form.id, QStringLiteral("the group \"%1\" is not different digits")
                                    .arg(QString::fromUtf8(group)));
  return ToolEntry{
      groupChartDesign(form),
      [form](ToolWindowState &state, const DrawHistory &history) { loadGroupForm(state, history, form); }};
}

}  // namespace corvessa::charts
