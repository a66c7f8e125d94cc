#pragma once
// The family of fixed digit-group charts: one column per digit group, the
// group's mark where a draw's box number lies inside it, the miss counts
// between the marks and the footer statistics under the draws. A member is
// its description: tools/<menu>/<window>.cpp returns groupChartTool({...}).
#include "charts/groupmarks.h"
#include "charts/framework/tool.h"

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

// The load shared by the family: builds the chart into a grid of
// 5 + groups.size() columns.
void loadGroupForm(ToolWindowState &state, const DrawHistory &history, const GroupForm &form);

// A member of the family: the menu item's caption (the title is the caption
// without its quotes), the groups and how they are marked. The window has
// Arial 6.75, the hidden Command1 emptying cells 0..6 of the spare row, and
// "Exit"; `hiddenHelp` places a "Help" that is never shown.
struct GroupChartForm {
  const char *windowName;
  const char *caption;
  std::span<const std::string_view> groups;
  int groupLength;
  int groupColWidth;
  std::string_view mark;
  bool threeWayBox = false;
  bool redHitBecomesCurrent = false;
  bool hiddenHelp = false;
};
ToolEntry groupChartTool(const GroupChartForm &form);

}  // namespace corvessa::charts
