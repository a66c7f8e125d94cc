// "0 Type Pairs": the ten pairs of the digits 0, 3, 6 and 9 (the digits of
// 012 route 0), doubles included.
#include "tools/pairs/tools.h"

#include "charts/families/targetpairs.h"

namespace corvessa::tools {

ToolEntry frm0luliangma() {
  return charts::targetPairTool({.id = titledWindow("frm0luliangma", "0 Type Pairs"),
                                 .pairs = {"00", "33", "66", "99", "03", "06", "09", "36", "39", "69"}});
}

}  // namespace corvessa::tools
