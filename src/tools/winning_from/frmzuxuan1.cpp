// 6 Way Box draws inside 17 fixed groups of five digits.
#include "charts/groupform.h"
#include "charts/tool.h"

namespace corvessa {
namespace {

ToolDesign design() {
  ToolDesign d;
  d.windowName = "frmzuxuan1";
  d.menuItem = "caiwanneng5ma";
  d.caption = "6 Way Box winning number from these \"5 digits\"";
  d.title = "6 Way Box winning number from these 5 digits";
  d.cols = 22;
  d.fontPoints = 6.75;
  d.resetRows = charts::resetGroupFormRows;
  return d;
}

// Ascending but for the last two, which keep the order the chart has always shown.
constexpr std::string_view kGroups[] = {
    "01249", "01268", "01346", "01467", "01569", "02357", "02458", "03789", "12359",
    "12378", "12589", "13478", "14579", "23456", "24679", "34689", "34678",
};

void load(ResultGrid &grid, const DrawHistory &history) {
  charts::loadGroupForm(grid, history, {.groups = kGroups, .groupLength = 5, .groupColWidth = 496, .mark = "*****"});
}

const bool registered = registerTool(design(), load);

}  // namespace
}  // namespace corvessa
