// The tools of the "Box" menu, one line each.
#include "charts/tool.h"
#include "tools/tools.h"

namespace corvessa::tools {

ToolEntry frmzuliu120();
ToolEntry frmqita1();
ToolEntry frmqita3();
ToolEntry frmqita2a();
ToolEntry frmqita2();
ToolEntry frmqita450();
ToolEntry frmqita354();
ToolEntry frmzuliu70();

void addBoxTools(ToolRegistry &registry) {
  for (ToolEntry (*tool)() :
       {frmzuliu120, frmqita1, frmqita3, frmqita2a, frmqita2, frmqita450, frmqita354, frmzuliu70})
    registry.add(tool());
}

}  // namespace corvessa::tools
