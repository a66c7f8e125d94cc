// The tools of the "Straight" menu, one line each.
#include "charts/tool.h"
#include "tools/tools.h"

namespace corvessa::tools {

ToolEntry frm3weizoushi();
ToolEntry frmweihe();
ToolEntry frmweicha();
ToolEntry frmweiji();
ToolEntry frmjibenxingtai();

void addStraightTools(ToolRegistry &registry) {
  for (ToolEntry (*tool)() : {frm3weizoushi, frmweihe, frmweicha, frmweiji, frmjibenxingtai})
    registry.add(tool());
}

}  // namespace corvessa::tools
