// 6 Way Box draws inside 6 fixed groups of seven digits.
#include "charts/groupform.h"
#include "charts/tool.h"

namespace corvessa {
namespace {

ToolDesign design() {
  ToolDesign d;
  d.windowName = "frmzuxuan7";
  d.menuItem = "caiwan7";
  d.caption = "6 Way Box winning number from these \"7 digits\"";
  d.title = "6 Way Box winning number from these 7 digits";
  d.cols = 11;
  d.fontPoints = 6.75;
  d.resetRows = charts::resetGroupFormRows;
  return d;
}

constexpr std::string_view kGroups[] = {
    "0123489", "0156789", "0245678", "0345679", "1234567", "2356789",
};

void load(ResultGrid &grid, const DrawHistory &history) {
  charts::loadGroupForm(grid, history, {.groups = kGroups, .groupLength = 7, .groupColWidth = 682, .mark = "*****"});
}

const bool registered = registerTool(design(), load);

}  // namespace
}  // namespace corvessa
