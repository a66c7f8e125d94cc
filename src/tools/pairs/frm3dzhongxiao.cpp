// The difference and the sum of Middle and Small, the middle and the smallest digit of each draw.
#include "tools/pairs/tools.h"

#include "charts/families/pairdiffsum.h"

namespace corvessa::tools {

ToolEntry frm3dzhongxiao() {
  return charts::pairDiffSumTool({.id = {.windowName = "frm3dzhongxiao",
                                         .caption = "Box Number:Middle-Small;Middle+Small",
                                         .title = "Box Number:Middle-Small;Middle+Small",
                                         .helpPage = "\\help\\Middle_Small.htm"},
                                  .pair = charts::SortedDigitPair::MiddleSmall});
}

}  // namespace corvessa::tools
