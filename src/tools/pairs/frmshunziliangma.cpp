// "Serial Pairs": the ten pairs of neighbouring digits, 9 and 0 counted as
// neighbours too (written "09", the smaller digit first).
#include "tools/pairs/tools.h"

#include "charts/families/targetpairs.h"

namespace corvessa::tools {

ToolEntry frmshunziliangma() {
  return charts::targetPairTool({.id = titledWindow("frmshunziliangma", "Serial Pairs"),
                                 .pairs = {"01", "12", "23", "34", "45", "56", "67", "78", "89", "09"}});
}

}  // namespace corvessa::tools
