#pragma once
// The family of fixed digit-group charts: one column per digit group, the
// group's mark where a draw's box number lies inside it, the miss counts
// between the marks and the footer statistics under the draws. A member is
// its description: tools/<menu>/<window>.cpp returns groupChartTool({...}).
#include "charts/families/ownedtable.h"
#include "charts/groupmarks.h"
#include "charts/standardwindow.h"

#include <string_view>

namespace corvessa::charts {

// A member of the family: its window (the title is usually the caption
// without its quotes: titledWithoutQuotes), the groups and how they are
// marked. A group is matched over its whole text, so its length is the
// table's; a group that is not different digits is refused when the tool is
// registered. The standard window has "Exit" and no "Help";
// `hiddenHelp` places a "Help" that is never shown, and "Exit" 120 twips lower.
struct GroupForm {
  ToolIdentity id;
  OwnedTable<std::string_view> groups{};     // headers of columns 5, 6, ... in list order
  int groupColWidth;                         // twips
  std::string_view mark;
  bool threeWayBox = false;                  // also mark 3 Way Box draws, on red
  bool redHitBecomesCurrent = false;         // and move the current cell to each of them
  bool hiddenHelp = false;
  SpareRowReset reset = SpareRowReset::Cells0To6;  // Cells0To5 or Cells0To6
  double fontPoints = 6.75;
};

ToolEntry groupChartTool(const GroupForm &form);

}  // namespace corvessa::charts
