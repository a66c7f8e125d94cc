#pragma once
// The tools of the "Digit" menu, each defined in the file of its name;
// the menu table (tools/menus.cpp) names them.
#include "charts/framework/tool.h"

namespace corvessa::tools {

ToolEntry frmdingdanshh();
ToolEntry frmtongsha3ma();
ToolEntry frmtongshahao();
ToolEntry frmdanma2();
ToolEntry frmz3b2();
ToolEntry frmdanma3();
ToolEntry frmzonghe();
ToolEntry frmtongsha1ma();
ToolEntry frmdanma3c2();
ToolEntry frmdanma4();
ToolEntry frmdanma30();
ToolEntry frmdanma40();
ToolEntry frmdanma212();
ToolEntry frmdanma313();

}  // namespace corvessa::tools
