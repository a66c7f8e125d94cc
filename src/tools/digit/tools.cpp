// The tools of the "Digit" menu, one line each.
#include "charts/framework/tool.h"
#include "tools/tools.h"

namespace corvessa::tools {

ToolEntry frmdingdanshh();
ToolEntry frmtongsha3ma();
ToolEntry frmtongshahao();
ToolEntry frmdanma2();
ToolEntry frmz3b2();
ToolEntry frmdanma3();
ToolEntry frmzonghe();
ToolEntry frmtongsha1ma();
ToolEntry frmdanma3c2();
ToolEntry frmdanma4();
ToolEntry frmdanma30();
ToolEntry frmdanma40();
ToolEntry frmdanma212();
ToolEntry frmdanma313();

void addDigitTools(ToolRegistry &registry) {
  for (ToolEntry (*tool)() : {frmdingdanshh, frmtongsha3ma, frmtongshahao, frmdanma2, frmz3b2, frmdanma3, frmzonghe,
                              frmtongsha1ma, frmdanma3c2, frmdanma4, frmdanma30, frmdanma40, frmdanma212,
                              frmdanma313})
    registry.add(tool());
}

}  // namespace corvessa::tools
