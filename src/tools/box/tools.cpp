// The tools of the "Box" menu, one line each.
#include "charts/tool.h"
#include "tools/tools.h"

namespace corvessa::tools {

ToolEntry frmxingtai1();

void addBoxTools(ToolRegistry &registry) {
  for (ToolEntry (*tool)() : {frmxingtai1})
    registry.add(tool());
}

}  // namespace corvessa::tools
