// The tools of the "3 Way Box" menu, one line each.
#include "charts/tool.h"
#include "tools/tools.h"

namespace corvessa::tools {

ToolEntry frmzu3leixing2();
ToolEntry Form1zu3zh();

void addThreeWayBoxTools(ToolRegistry &registry) {
  for (ToolEntry (*tool)() : {frmzu3leixing2, Form1zu3zh})
    registry.add(tool());
}

}  // namespace corvessa::tools
