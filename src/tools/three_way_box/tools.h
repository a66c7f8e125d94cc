#pragma once
// The tools of the "3 Way Box" menu, each defined in the file of its name;
// the menu table (tools/menus.cpp) names them.
#include "charts/framework/tool.h"

namespace corvessa::tools {

ToolEntry Form1zu3();
ToolEntry Form1tlj();
ToolEntry Form1zu3bai10();
ToolEntry frmzu3leixing2();
ToolEntry Form1zu3zh();
ToolEntry frmzusan90();

}  // namespace corvessa::tools
