#pragma once
// The tools of the "Box" menu, each defined in the file of its name;
// the menu table (tools/menus.cpp) names them.
#include "charts/framework/tool.h"

namespace corvessa::tools {

ToolEntry frmzuxuan012lu();
ToolEntry frm3dzxxzd();
ToolEntry frmxingtai1();
ToolEntry frmzuliu120();
ToolEntry frmqita1();
ToolEntry frmqita3();
ToolEntry frmqita2a();
ToolEntry frmqita2();
ToolEntry frmqita450();
ToolEntry frmqita354();
ToolEntry frmzuliu70();
ToolEntry frm3shu5luhe();
ToolEntry frmjiachengzh();

}  // namespace corvessa::tools
