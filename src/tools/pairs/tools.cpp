// The tools of the "Box Pairs" menu, one line each.
#include "charts/framework/tool.h"
#include "tools/tools.h"

namespace corvessa::tools {

ToolEntry frm3dliangma();
ToolEntry frm3dshouwei();
ToolEntry frm3ddazhong();
ToolEntry frm3dzhongxiao();
ToolEntry frm0luliangma();
ToolEntry frmshunziliangma();
ToolEntry frmchong2ge();
ToolEntry frmdaimaduizi();
ToolEntry frmliangmahecha();
ToolEntry frmliangmajiwei();
ToolEntry frmrenwenlengTlm();

void addPairTools(ToolRegistry &registry) {
  for (ToolEntry (*tool)() : {frm3dliangma, frm3dshouwei, frm3ddazhong, frm3dzhongxiao, frm0luliangma,
                              frmshunziliangma, frmchong2ge, frmdaimaduizi, frmliangmahecha, frmliangmajiwei,
                              frmrenwenlengTlm})
    registry.add(tool());
}

}  // namespace corvessa::tools
