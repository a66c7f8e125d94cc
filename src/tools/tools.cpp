#include "tools/tools.h"

#include "charts/framework/tool.h"

namespace corvessa::tools {

void addAllTools(ToolRegistry &registry) {
  addWinningFromTools(registry);
  addBoxTools(registry);
  addDigitTools(registry);
  addStraightTools(registry);
  addPairTools(registry);
  addThreeWayBoxTools(registry);
  addSumWidthTools(registry);
  addOtherTools(registry);
}

}  // namespace corvessa::tools

namespace corvessa {

// The registry holds the tools of every menu's list, taken once on first use.
ToolRegistry &ToolRegistry::instance() {
  static ToolRegistry registry = [] {
    ToolRegistry r;
    tools::addAllTools(r);
    return r;
  }();
  return registry;
}

}  // namespace corvessa
