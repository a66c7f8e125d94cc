// Box draws inside three groups of 6, 6 and 4 digits: a 6 Way Box draw when
// all three of its digits lie in a group, a 3 Way Box draw (on red) when both
// of its digits do.
#include "tools/winning_from/tools.h"

#include "charts/families/groupform.h"

namespace corvessa::tools {
namespace {

constexpr std::string_view kGroups[] = {"036925", "147258", "1458"};

}  // namespace

ToolEntry frmzuxuanqt() {
  return charts::groupChartTool({.id = titledWithoutQuotes("frmzuxuanqt", "Box winning number from these \"N digits\""),
                                 .groups = kGroups,
                                 .groupColWidth = 620,
                                 .mark = "******",
                                 .threeWayBox = true,
                                 .redHitBecomesCurrent = true});
}

}  // namespace corvessa::tools
