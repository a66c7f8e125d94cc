#pragma once
// The tools of the "Others" menu, each defined in the file of its name;
// the menu table (tools/menus.cpp) names them.
#include "charts/framework/tool.h"

namespace corvessa::tools {

ToolEntry frmbjiouhe();
ToolEntry frmbxiaodahe();
ToolEntry frmbzhihehe();
ToolEntry frmzuxuanhaocx();
ToolEntry frmzhixuanhaocx();

}  // namespace corvessa::tools
