// Box draws inside three groups of 6, 6 and 4 digits: a 6 Way Box draw when
// all three of its digits lie in a group, a 3 Way Box draw (on red) when both
// of its digits do.
#include "charts/groupform.h"
#include "charts/groupmarks.h"
#include "charts/tool.h"

namespace corvessa {
namespace {

ToolDesign design() {
  ToolDesign d;
  d.windowName = "frmzuxuanqt";
  d.menuItem = "caihuang6";
  d.caption = "Box winning number from these \"N digits\"";
  d.title = "Box winning number from these N digits";
  d.cols = 8;
  d.fontPoints = 6.75;
  d.resetRows = charts::resetGroupFormRows;
  return d;
}

constexpr std::string_view kGroups[] = {"036925", "147258", "1458"};

// The groups differ in length, so each is matched over its whole header.
void load(ResultGrid &grid, const DrawHistory &history) {
  charts::loadGroupForm(grid, history,
                        {.groups = kGroups, .groupLength = charts::kWholeHeader, .groupColWidth = 620,
                         .mark = "******", .threeWayBox = true, .redHitBecomesCurrent = true});
}

const bool registered = registerTool(design(), load);

}  // namespace
}  // namespace corvessa
