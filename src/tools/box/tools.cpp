// The tools of the "Box" menu, one line each.
#include "charts/framework/tool.h"
#include "tools/tools.h"

namespace corvessa::tools {

ToolEntry frmzuxuan012lu();
ToolEntry frm3dzxxzd();
ToolEntry frmxingtai1();
ToolEntry frmzuliu120();
ToolEntry frmqita1();
ToolEntry frmqita3();
ToolEntry frmqita2a();
ToolEntry frmqita2();
ToolEntry frmqita450();
ToolEntry frmqita354();
ToolEntry frmzuliu70();
ToolEntry frm3shu5luhe();
ToolEntry frmjiachengzh();

void addBoxTools(ToolRegistry &registry) {
  for (ToolEntry (*tool)() : {frmzuxuan012lu, frm3dzxxzd, frmxingtai1, frmzuliu120, frmqita1, frmqita3, frmqita2a,
                              frmqita2, frmqita450, frmqita354, frmzuliu70, frm3shu5luhe, frmjiachengzh})
    registry.add(tool());
}

}  // namespace corvessa::tools
