// The tools of the "Straight" menu, one line each.
#include "charts/tool.h"
#include "tools/tools.h"

namespace corvessa::tools {

ToolEntry frmweihe();
ToolEntry frmweicha();
ToolEntry frmweiji();

void addStraightTools(ToolRegistry &registry) {
  for (ToolEntry (*tool)() : {frmweihe, frmweicha, frmweiji})
    registry.add(tool());
}

}  // namespace corvessa::tools
