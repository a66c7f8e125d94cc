// 6 Way Box draws whose three digits all lie in the seven digits 0124589.
#include "tools/winning_from/tools.h"

#include "charts/families/winningset.h"

namespace corvessa::tools {

ToolEntry frmgaopin7ma() {
  return charts::winningSetTool(
      {.id = titledWithoutQuotes("frmgaopin7ma", "6 Way Box winning number from this \"7 digits\""),
       .digits = "0124589",
       .marking = charts::WinningSetMarking::SixWayBoxOnly});
}

}  // namespace corvessa::tools
