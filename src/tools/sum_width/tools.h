#pragma once
// The tools of the "Sum&Width" menu, each defined in the file of its name;
// the menu table (tools/menus.cpp) names them.
#include "charts/framework/tool.h"

namespace corvessa::tools {

ToolEntry frmxingtai3dhe();
ToolEntry frmhekualu();
ToolEntry frmhekuazonghe();
ToolEntry frmhezhi4();

}  // namespace corvessa::tools
