// The difference and the sum of Large and Middle, the largest and the middle digit of each draw.
#include "tools/pairs/tools.h"

#include "charts/families/pairdiffsum.h"

namespace corvessa::tools {

ToolEntry frm3ddazhong() {
  return charts::pairDiffSumTool({.id = {.windowName = "frm3ddazhong",
                                         .caption = "Box Number:Large-Middle;Large+Middle",
                                         .title = "Box Number:Large-Middle;Large+Middle",
                                         .helpPage = "\\help\\Large_Middle.htm"},
                                  .pair = charts::SortedDigitPair::LargeMiddle});
}

}  // namespace corvessa::tools
