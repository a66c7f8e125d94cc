// "3 Way Box Chance[1]": a draw whose hundreds digit is 1 is the trigger.
#include "tools/three_way_box/tools.h"

#include "charts/families/threewaychance.h"

namespace corvessa::tools {

ToolEntry Form1zu3() {
  return charts::chanceChartTool({.id = titledWindow("Form1zu3", "3 Way Box Chance[1]", "\\help\\3_Way_Box_Chance.htm"),
                                  .isTrigger = [](const charts::Digits &htu) { return htu[0] == 1; }});
}

}  // namespace corvessa::tools
