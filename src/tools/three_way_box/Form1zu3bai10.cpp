// "3 Way Box Chance[3]": a draw whose tens digit is 0 is the trigger. Its
// narrow extra columns keep each draw's width and mark the three draws
// after two draws of equal width.
#include "tools/three_way_box/tools.h"

#include "charts/families/threewaychance.h"

namespace corvessa::tools {

ToolEntry Form1zu3bai10() {
  return charts::chanceChartTool(
      {.id = titledWindow("Form1zu3bai10", "3 Way Box Chance[3]", "\\help\\3_Way_Box_Chance.htm"),
       .isTrigger = [](const charts::Digits &htu) { return htu[1] == 0; },
       .widthRepeats = true});
}

}  // namespace corvessa::tools
