// 6 Way Box draws inside twenty groups, each one whole class of digits by
// their remainder modulo 3 plus one digit of another class.
#include "charts/groupform.h"
#include "charts/groupmarks.h"
#include "charts/tool.h"

namespace corvessa {
namespace {

ToolDesign design() {
  ToolDesign d;
  d.windowName = "frmlingleizu6";
  d.menuItem = "cailingleizu6";
  d.caption = "6 Way Box winning number from these \"N digits\"";
  d.title = "6 Way Box winning number from these N digits";
  d.cols = 25;
  d.fontPoints = 6.75;
  d.resetRows = charts::resetGroupFormRows;
  return d;
}

constexpr std::string_view kGroups[] = {
    "1470",  "1473",  "1476",  "1479",  "1472",  "1475",  "1478",   // 1 4 7 and 0 3 6 9 2 5 8
    "2580",  "2583",  "2586",  "2589",  "2581",  "2584",  "2587",   // 2 5 8 and 0 3 6 9 1 4 7
    "03691", "03694", "03697", "03692", "03695", "03698",           // 0 3 6 9 and 1 4 7 2 5 8
};

// Four- and five-digit groups side by side: each is matched over its whole header.
void load(ResultGrid &grid, const DrawHistory &history) {
  charts::loadGroupForm(grid, history,
                        {.groups = kGroups, .groupLength = charts::kWholeHeader, .groupColWidth = 496,
                         .mark = "****"});
}

const bool registered = registerTool(design(), load);

}  // namespace
}  // namespace corvessa
