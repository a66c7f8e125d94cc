// The tools of the "Others" menu, one line each.
#include "charts/framework/tool.h"
#include "tools/tools.h"

namespace corvessa::tools {

ToolEntry frmbjiouhe();
ToolEntry frmbxiaodahe();
ToolEntry frmbzhihehe();
ToolEntry frmzuxuanhaocx();
ToolEntry frmzhixuanhaocx();

void addOtherTools(ToolRegistry &registry) {
  for (ToolEntry (*tool)() : {frmbjiouhe, frmbxiaodahe, frmbzhihehe, frmzuxuanhaocx, frmzhixuanhaocx})
    registry.add(tool());
}

}  // namespace corvessa::tools
