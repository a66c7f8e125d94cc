#pragma once
// The tools of the "Winning number from" menu, each defined in the file of its name;
// the menu table (tools/menus.cpp) names them.
#include "charts/framework/tool.h"

namespace corvessa::tools {

ToolEntry frmgaopin6ma();
ToolEntry frmgaopin6ma36();
ToolEntry frmgaopin7ma();
ToolEntry frmgaopin7ma36();
ToolEntry frmzuxuan4();
ToolEntry frmzuxuan1();
ToolEntry frmzuxuan6();
ToolEntry frmzuxuan7();
ToolEntry frmzuxuanqt();
ToolEntry frm6lianhao();
ToolEntry frmlingleizu6();
ToolEntry frmrenwenleng();
ToolEntry frmxzd();
ToolEntry frm4qufenge();

}  // namespace corvessa::tools
