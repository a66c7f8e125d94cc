// The tools of the "Straight" menu, one line each.
#include "charts/framework/tool.h"
#include "tools/tools.h"

namespace corvessa::tools {

ToolEntry frm3weizoushi();
ToolEntry frmweihe();
ToolEntry frmweicha();
ToolEntry frmweiji();
ToolEntry frmxingxiang();
ToolEntry frmjibenxingtai();
ToolEntry frmbaishi32zu();
ToolEntry frmzhixuanmorvek();

void addStraightTools(ToolRegistry &registry) {
  for (ToolEntry (*tool)() : {frm3weizoushi, frmweihe, frmweicha, frmweiji, frmxingxiang, frmjibenxingtai,
                              frmbaishi32zu, frmzhixuanmorvek})
    registry.add(tool());
}

}  // namespace corvessa::tools
