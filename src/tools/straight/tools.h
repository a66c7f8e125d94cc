#pragma once
// The tools of the "Straight" menu, each defined in the file of its name;
// the menu table (tools/menus.cpp) names them.
#include "charts/framework/tool.h"

namespace corvessa::tools {

ToolEntry frm3weizoushi();
ToolEntry frmweihe();
ToolEntry frmweicha();
ToolEntry frmweiji();
ToolEntry frmxingxiang();
ToolEntry frmjibenxingtai();
ToolEntry frmbaishi32zu();
ToolEntry frmzhixuanmorvek();

}  // namespace corvessa::tools
