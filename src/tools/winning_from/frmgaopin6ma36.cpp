// Box draws, 6 Way and 3 Way, whose digits all lie in the six digits 145789.
#include "tools/winning_from/tools.h"

#include "charts/families/winningset.h"

namespace corvessa::tools {

ToolEntry frmgaopin6ma36() {
  return charts::winningSetTool(
      {.id = titledWithoutQuotes("frmgaopin6ma36", "Box winning number from this \"6 digits\""),
       .digits = "145789",
       .marking = charts::WinningSetMarking::AnyBox});
}

}  // namespace corvessa::tools
