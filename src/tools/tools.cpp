#include "tools/tools.h"

namespace corvessa::tools {

void addAllTools(ToolRegistry &registry) {
  addWinningFromTools(registry);
  addBoxTools(registry);
  addDigitTools(registry);
  addStraightTools(registry);
  addPairTools(registry);
  addThreeWayBoxTools(registry);
  addSumWidthTools(registry);
}

}  // namespace corvessa::tools
