// The tools of the "Digit" menu, one line each.
#include "charts/tool.h"
#include "tools/tools.h"

namespace corvessa::tools {

ToolEntry frmz3b2();
ToolEntry frmdanma3();
ToolEntry frmdanma3c2();
ToolEntry frmdanma4();
ToolEntry frmdanma30();
ToolEntry frmdanma40();
ToolEntry frmdanma212();
ToolEntry frmdanma313();

void addDigitTools(ToolRegistry &registry) {
  for (ToolEntry (*tool)() : {frmz3b2, frmdanma3, frmdanma3c2, frmdanma4, frmdanma30, frmdanma40, frmdanma212,
                              frmdanma313})
    registry.add(tool());
}

}  // namespace corvessa::tools
