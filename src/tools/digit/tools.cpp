// The tools of the "Digit" menu, one line each.
#include "charts/tool.h"
#include "tools/tools.h"

namespace corvessa::tools {

ToolEntry frmdingdanshh();
ToolEntry frmtongsha3ma();
ToolEntry frmtongshahao();
ToolEntry frmdanma2();
ToolEntry frmzonghe();
ToolEntry frmtongsha1ma();

void addDigitTools(ToolRegistry &registry) {
  for (ToolEntry (*tool)() : {frmdingdanshh, frmtongsha3ma, frmtongshahao, frmdanma2, frmzonghe, frmtongsha1ma})
    registry.add(tool());
}

}  // namespace corvessa::tools
