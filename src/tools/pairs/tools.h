#pragma once
// The tools of the "Box Pairs" menu, each defined in the file of its name;
// the menu table (tools/menus.cpp) names them.
#include "charts/framework/tool.h"

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

}  // namespace corvessa::tools
