#include "charts/groupform.h"

#include "charts/drawrows.h"
#include "charts/groupmarks.h"
#include "charts/missstats.h"

namespace corvessa::charts {

void resetGroupFormRows(ResultGrid &grid, int drawCount) { resetGridRows(grid, drawCount, 6); }

void loadGroupForm(ResultGrid &grid, const DrawHistory &history, const GroupForm &form) {
  const int n = int(history.draws.size());
  const int lastCol = kFirstGroupCol + int(form.groups.size()) - 1;

  grid.setColWidth(0, 1218);
  grid.setColWidths(1, 3, 300);
  grid.setColWidth(kKeyCol, 30);  // the box key is data for the marking, not for reading
  grid.setColWidths(kFirstGroupCol, lastCol, form.groupColWidth);

  resetGridRows(grid, n, form.spareCells);
  fillDrawRowsWithBoxKey(grid, history, kKeyCol);
  writeDigitHeaders(grid);
  for (int i = 0; i < int(form.groups.size()); ++i)
    grid.setText(0, kFirstGroupCol + i, form.groups[std::size_t(i)]);
  grid.setCurrentCell(n + 1, 1);
  grid.setTopRow(grid.rows() - 1);

  // The marking reads the groups back from the header row.
  markGroupHits(grid, n, form.groupLength, lastCol, form.mark, form.threeWayBox,
                form.redHitBecomesCurrent);
  fillMissCounts(grid, n, kFirstGroupCol, lastCol);
  appendMissStatistics(grid, n, lastCol, form.mark);
}

}  // namespace corvessa::charts
