// The difference and the sum of Large and Small, the largest and the smallest digit of each draw.
// Until the load begins the caption names the sum first.
#include "tools/pairs/tools.h"

#include "charts/families/pairdiffsum.h"

namespace corvessa::tools {

ToolEntry frm3dshouwei() {
  return charts::pairDiffSumTool({.id = {.windowName = "frm3dshouwei",
                                         .caption = "Box Number:Large+Small;Large-Small",
                                         .title = "Box Number:Large-Small;Large+Small",
                                         .helpPage = "\\help\\Large_Small.htm"},
                                  .pair = charts::SortedDigitPair::LargeSmall});
}

}  // namespace corvessa::tools
