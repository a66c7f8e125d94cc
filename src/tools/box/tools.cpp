// The tools of the "Box" menu, one line each.
#include "charts/tool.h"
#include "tools/tools.h"

namespace corvessa::tools {

ToolEntry frmzuxuan012lu();
ToolEntry frm3dzxxzd();
ToolEntry frmxingtai1();
ToolEntry frm3shu5luhe();
ToolEntry frmjiachengzh();

void addBoxTools(ToolRegistry &registry) {
  for (ToolEntry (*tool)() : {frmzuxuan012lu, frm3dzxxzd, frmxingtai1, frm3shu5luhe, frmjiachengzh})
    registry.add(tool());
}

}  // namespace corvessa::tools
