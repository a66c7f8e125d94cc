// The tools of the "Sum&&Width" menu, one line each.
#include "charts/framework/tool.h"
#include "tools/tools.h"

namespace corvessa::tools {

ToolEntry frmxingtai3dhe();
ToolEntry frmhekualu();
ToolEntry frmhekuazonghe();
ToolEntry frmhezhi4();

void addSumWidthTools(ToolRegistry &registry) {
  for (ToolEntry (*tool)() : {frmxingtai3dhe, frmhekualu, frmhekuazonghe, frmhezhi4})
    registry.add(tool());
}

}  // namespace corvessa::tools
