#pragma once
// The load shared by the fixed digit-group charts: one column per digit group,
// the group's mark where a draw's box number lies inside it, the miss counts
// between the marks and the footer statistics under the draws.
#include "core/drawfile.h"
#include "core/resultgrid.h"

#include <span>
#include <string_view>

namespace corvessa::charts {

struct GroupForm {
  std::span<const std::string_view> groups;  // headers of columns 5, 6, ... in list order
  int groupLength;                           // digits compared per group, or kWholeHeader
  int groupColWidth;                         // twips
  std::string_view mark;
  bool threeWayBox = false;                  // also mark 3 Way Box draws, on red
  bool redHitBecomesCurrent = false;         // and move the current cell to each of them
  int spareCells = 6;                        // cells 0..spareCells of the spare row are emptied
};

// The hidden Command1 of these windows: N + 2 rows, cells 0..6 of the spare row emptied.
void resetGroupFormRows(ResultGrid &grid, int drawCount);

// Builds the chart into a grid of 5 + groups.size() columns.
void loadGroupForm(ResultGrid &grid, const DrawHistory &history, const GroupForm &form);

}  // namespace corvessa::charts
