// 6 Way Box draws whose three digits all lie in the six digits 145789.
#include "tools/winning_from/tools.h"

#include "charts/families/winningset.h"

namespace corvessa::tools {

ToolEntry frmgaopin6ma() {
  return charts::winningSetTool(
      {.id = titledWithoutQuotes("frmgaopin6ma", "6 Way Box winning number from this \"6 digits\""),
       .digits = "145789",
       .marking = charts::WinningSetMarking::SixWayBoxOnly});
}

}  // namespace corvessa::tools
