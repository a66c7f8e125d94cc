// 6 Way Box draws inside 10 fixed groups of six digits.
#include "charts/groupform.h"
#include "charts/tool.h"

namespace corvessa {
namespace {

ToolDesign design() {
  ToolDesign d;
  d.windowName = "frmzuxuan6";
  d.menuItem = "caiwan6";
  d.caption = "6 Way Box winning number from these \"6 digits\"";
  d.title = "6 Way Box winning number from these 6 digits";
  d.cols = 15;
  d.fontPoints = 6.75;
  d.resetRows = charts::resetGroupFormRows;
  return d;
}

constexpr std::string_view kGroups[] = {
    "012346", "012359", "012489", "013789", "026789",
    "045678", "123457", "156789", "234568", "345679",
};

void load(ResultGrid &grid, const DrawHistory &history) {
  charts::loadGroupForm(grid, history, {.groups = kGroups, .groupLength = 6, .groupColWidth = 620, .mark = "*****"});
}

const bool registered = registerTool(design(), load);

}  // namespace
}  // namespace corvessa
