// Box draws, 6 Way and 3 Way, whose digits all lie in the seven digits 0124589.
#include "tools/winning_from/tools.h"

#include "charts/families/winningset.h"

namespace corvessa::tools {

ToolEntry frmgaopin7ma36() {
  return charts::winningSetTool(
      {.id = titledWithoutQuotes("frmgaopin7ma36", "Box winning number from this \"7 digits\""),
       .digits = "0124589",
       .marking = charts::WinningSetMarking::AnyBox});
}

}  // namespace corvessa::tools
