// The tools of the "Digit" menu, one line each.
#include "charts/tool.h"
#include "tools/tools.h"

namespace corvessa::tools {

ToolEntry frmtongshahao();

void addDigitTools(ToolRegistry &registry) {
  for (ToolEntry (*tool)() : {frmtongshahao})
    registry.add(tool());
}

}  // namespace corvessa::tools
