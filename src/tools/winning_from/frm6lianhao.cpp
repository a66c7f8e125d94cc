// 6 Way Box draws inside the ten runs of six consecutive digits, 9 running on to 0.
#include "charts/groupform.h"
#include "charts/tool.h"

namespace corvessa {
namespace {

ToolDesign design() {
  ToolDesign d;
  d.windowName = "frm6lianhao";
  d.menuItem = "cai6lianhao";
  d.caption = "6 Way Box winning number from these \"6 digits\"";
  d.title = "6 Way Box winning number from these 6 digits";
  d.cols = 15;
  d.fontPoints = 6.75;
  d.resetRows = charts::resetGroupFormRows;
  d.layout = ToolLayout::GridExitAndHelp;
  d.exitButton = {"Exit", 10200, 6120, 1335, 375, true};
  // The window has no help page: its "Help" is placed but never shown.
  d.helpButton = ButtonDesign{"Help", 8760, 6000, 1335, 375, false};
  return d;
}

// Each run is written from its first digit, so the last five wrap past 9.
constexpr std::string_view kGroups[] = {
    "012345", "123456", "234567", "345678", "456789",
    "567890", "678901", "789012", "890123", "901234",
};

void load(ResultGrid &grid, const DrawHistory &history) {
  charts::loadGroupForm(grid, history, {.groups = kGroups, .groupLength = 6, .groupColWidth = 620, .mark = "*****"});
}

const bool registered = registerTool(design(), load);

}  // namespace
}  // namespace corvessa
