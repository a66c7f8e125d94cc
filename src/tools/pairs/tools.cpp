// The tools of the "Box Pairs" menu, one line each.
#include "charts/tool.h"
#include "tools/tools.h"

namespace corvessa::tools {

ToolEntry frm3dliangma();
ToolEntry frm0luliangma();
ToolEntry frmshunziliangma();
ToolEntry frmchong2ge();
ToolEntry frmdaimaduizi();

void addPairTools(ToolRegistry &registry) {
  for (ToolEntry (*tool)() : {frm3dliangma, frm0luliangma, frmshunziliangma, frmchong2ge, frmdaimaduizi})
    registry.add(tool());
}

}  // namespace corvessa::tools
