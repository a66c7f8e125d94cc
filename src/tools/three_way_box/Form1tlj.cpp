// "3 Way Box Chance[2]": a draw of three digits that follow each other on
// the circle 0 to 9, in any order (012 to 789, 890 and 901), is the trigger.
#include "tools/three_way_box/tools.h"

#include "charts/families/threewaychance.h"

namespace corvessa::tools {
namespace {

bool isCyclicRun(const charts::Digits &htu) {
  charts::Digits d = htu;
  charts::sortDigitsAscending(d);
  return (d[1] - d[0] == 1 && d[2] - d[1] == 1) || (d[0] == 0 && d[1] == 8 && d[2] == 9) ||
         (d[0] == 0 && d[1] == 1 && d[2] == 9);
}

}  // namespace

ToolEntry Form1tlj() {
  return charts::chanceChartTool({.id = titledWindow("Form1tlj", "3 Way Box Chance[2]", "\\help\\3_Way_Box_Chance.htm"),
                                  .isTrigger = isCyclicRun});
}

}  // namespace corvessa::tools
