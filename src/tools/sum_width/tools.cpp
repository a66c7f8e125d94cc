// The tools of the "Sum&&Width" and "Others" menus, one line each.
#include "charts/tool.h"
#include "tools/tools.h"

namespace corvessa::tools {

ToolEntry frmxingtai3dhe();
ToolEntry frmhekualu();
ToolEntry frmhekuazonghe();
ToolEntry frmhezhi4();
ToolEntry frmbjiouhe();
ToolEntry frmbxiaodahe();
ToolEntry frmbzhihehe();
ToolEntry frmzuxuanhaocx();
ToolEntry frmzhixuanhaocx();

void addSumWidthTools(ToolRegistry &registry) {
  for (ToolEntry (*tool)() : {frmxingtai3dhe, frmhekualu, frmhekuazonghe, frmhezhi4, frmbjiouhe, frmbxiaodahe,
                              frmbzhihehe, frmzuxuanhaocx, frmzhixuanhaocx})
    registry.add(tool());
}

}  // namespace corvessa::tools
